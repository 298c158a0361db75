// SPDX-License-Identifier: GPL-3.0-or-later
// Random projects from a seed, the same on every machine (raw Mersenne Twister output, no library
// distributions): every field takes values the editor sets and values only another program would
// write, the device's texts take any bytes, and numbers any characters. Phone names, which only the
// user types, are text.
#pragma once

#include "core/PrjTypes.h"

#include <cstdint>
#include <random>
#include <string>

namespace korvisel::test {

class RandomProjectMaker {
public:
    explicit RandomProjectMaker(std::uint32_t seed) : random_(seed) {}

    TProjectInfo Make() {
        TProjectInfo p;
        p.TestEnabled = Bool();
        p.TestReportType = Kind();
        p.TestDays = Byte();
        p.TestHours = Byte();
        p.TestMinutes = Byte();
        p.TestSmsPhone = Byte();
        p.TestSmsText = Text();
        p.TestClipPhone1 = Byte();
        p.TestClipPhone2 = Byte();
        p.TestDataPhone = Byte();
        p.TestCid = Cid();
        p.GsmEnabled = Bool();
        p.GsmLevel = static_cast<std::uint16_t>(Below(600));
        p.GsmReactionTime = Byte();
        p.GsmLockoutTime = Byte();
        p.GsmRestoreSms = Bool();
        p.GsmSmsPhone = Byte();
        p.GsmEventText = Text();
        p.GsmRestoreText = Text();
        for (std::size_t k = 1; k <= PhoneCount; ++k)
            p.Phones[k] = {Characters("0123456789+-x ", 40), Characters("Office guard 12", 12), Bool()};
        for (std::size_t i = 1; i <= InputCount; ++i) {
            TInputInfo& in = p.Inputs[i];
            in.Enabled = Bool();
            in.ReportType = Kind();
            in.Signal = Byte();
            in.ReactionTime = Byte();
            in.RestoreTime = Byte();
            in.LockoutTime = Byte();
            in.SmsPhone = Byte();
            in.SmsEventText = Text();
            in.SmsRestoreText = Text();
            in.AlarmPhone = Byte();
            in.ClipEventPhone = Byte();
            in.ClipRestorePhone = Byte();
            in.DataPhone = Byte();
            in.Cid = Cid();
        }
        for (std::size_t o = 1; o <= OutputCount; ++o) {
            TOutputInfo& out = p.Outputs[o];
            out.StartState = static_cast<TStartState>(Below(3));
            out.WorkType = static_cast<TWorkType>(Below(4));
            out.Time = static_cast<std::uint16_t>(Below(700));
            out.ControlPhone = Byte();
            out.ControlText = Text();
            out.QueryText = Text();
            out.AnswerPhone = Byte();
            out.OnAnswerText = Text();
            out.OffAnswerText = Text();
        }
        for (std::size_t n = 1; n <= 4; ++n)
            p.AudioParams[n] = Byte();
        for (char& c : p.Pin)
            c = Character("0123456789+-*#A ");
        p.SmsCentre = Characters("0123456789+-x", 40);
        p.ArmConfirmInput = static_cast<std::uint8_t>(Below(6));
        p.CrowPhone = Byte();
        for (char& c : p.CrowObject)
            c = Character("1234567890ABCDabcd*#x");
        return p;
    }

private:
    std::uint32_t Below(std::uint32_t n) { return static_cast<std::uint32_t>(random_() % n); }
    bool Bool() { return Below(2) == 1; }
    // Mostly small values, sometimes any byte.
    std::uint8_t Byte() { return static_cast<std::uint8_t>(Below(4) == 0 ? Below(256) : Below(16)); }
    TReportKind Kind() { return static_cast<TReportKind>(Below(7)); }
    char Character(const std::string& from) { return from[Below(static_cast<std::uint32_t>(from.size()))]; }
    std::string Characters(const std::string& from, std::uint32_t longest) {
        std::string text(Below(longest + 1), ' ');
        for (char& c : text)
            c = Character(from);
        return text;
    }
    std::string Text() {
        std::string text(Below(15), ' ');
        for (char& c : text)
            c = static_cast<char>(Below(3) == 0 ? Below(256) : 'A' + Below(26));
        return text;
    }
    TContactId Cid() {
        TContactId cid;
        std::array<char, TContactId::Length> symbols{};
        for (char& c : symbols)
            c = Character("1234567890ABCDabcd*#x");
        cid.SetSymbols(symbols);
        return cid;
    }

    std::mt19937 random_;
};

} // namespace korvisel::test
