// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/PhoneBook.h"

#include <cctype>
#include <utility>

namespace korvisel {
namespace {

bool IsDigit(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

TPhoneInfo& Entry(TProjectInfo& project, int k) {
    return project.Phones[static_cast<std::size_t>(k)];
}

std::uint8_t& ClipPhone(TInputInfo& in, TClipRole role) {
    return role == TClipRole::Event ? in.ClipEventPhone : in.ClipRestorePhone;
}

// "+" alone or "+" and one digit is no number, whatever the dialog allowed.
bool IsTooShortNumber(const std::string& number) {
    return number.empty() || number == "+" || (number.size() == 2 && number[0] == '+');
}

void Store(TProjectInfo& project, int k, const std::string& number) {
    TPhoneInfo& entry = Entry(project, k);
    if (!entry.Empty)
        entry.Name = DefaultPhoneName(static_cast<std::size_t>(k));
    entry.Empty = false;
    entry.Number = number;
}

void MoveIfAt(const TProjectInfo& project, std::uint8_t& reference, int k) {
    if (reference == k)
        ReassignPhone(project, reference);
}

} // namespace

std::string FilterPhoneNumber(std::string_view text) {
    std::string number;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (IsDigit(text[i]) || (i == 0 && text[i] == '+'))
            number += text[i];
    return number;
}

bool IsPhonePresent(const TProjectInfo& project, int k) {
    return project.Phones.Contains(static_cast<std::size_t>(k)) &&
           !project.Phones[static_cast<std::size_t>(k)].Empty;
}

int PresentPhoneCount(const TProjectInfo& project) {
    int count = 0;
    for (int k = 1; k <= static_cast<int>(PhoneCount); ++k)
        count += IsPhonePresent(project, k) ? 1 : 0;
    return count;
}

int LowestPresentPhone(const TProjectInfo& project, int after) {
    for (int k = after + 1; k <= static_cast<int>(PhoneCount); ++k)
        if (IsPhonePresent(project, k))
            return k;
    return 0;
}

bool PhoneDialogOkEnabledOnShow(bool required, std::string_view text) {
    return PhoneDialogOkEnabled(required, text);
}

bool PhoneDialogOkEnabled(bool required, std::string_view text) {
    // A required number is judged by what OK would store, so "+++" (stored as "+") is refused.
    const std::string number = FilterPhoneNumber(text);
    return !required || (number.size() >= 2 && !IsTooShortNumber(number));
}

bool PhoneDialogCancelEnabled(bool required, std::string_view initialText) {
    return !required || !initialText.empty();
}

void ReassignPhone(const TProjectInfo& project, std::uint8_t& reference) {
    int below = 0;
    for (int k = 1; k < reference && k <= static_cast<int>(PhoneCount); ++k)
        if (IsPhonePresent(project, k))
            below = k;
    reference = static_cast<std::uint8_t>(below != 0 ? below : LowestPresentPhone(project));
}

void ReassignClipPhone(TProjectInfo& project, TInputNumber input, TClipRole role) {
    const TClipRole other = role == TClipRole::Event ? TClipRole::Restore : TClipRole::Event;
    const auto isCandidate = [&](int k) {
        if (!IsPhonePresent(project, k))
            return false;
        for (TInputInfo& in : project.Inputs)
            if (ClipPhone(in, other) == k)
                return false;
        return true;
    };
    TInputInfo& in = project.Inputs[input.Index()];
    std::uint8_t& phone = ClipPhone(in, role);
    const int otherPhone = ClipPhone(in, other);
    int smallest = 0;
    int below = 0;
    for (int k = 1; k <= static_cast<int>(PhoneCount); ++k) {
        if (!isCandidate(k))
            continue;
        if (smallest == 0)
            smallest = k;
        if (k < phone && k != otherPhone)
            below = k;
    }
    phone = static_cast<std::uint8_t>(below != 0 ? below : smallest);
}

void AssignNewPhone(TProjectInfo& project, int k, TPhoneRule rule) {
    const auto fill = [k](std::uint8_t& reference) {
        if (reference == 0)
            reference = static_cast<std::uint8_t>(k);
    };
    for (TInputInfo& in : project.Inputs) {
        fill(in.SmsPhone);
        if (rule != TPhoneRule::Edit)
            continue;
        fill(in.AlarmPhone);
        fill(in.ClipEventPhone);
        fill(in.ClipRestorePhone);
        if (in.ClipEventPhone == in.ClipRestorePhone)
            in.ClipRestorePhone = static_cast<std::uint8_t>(k);
    }
    for (TOutputInfo& out : project.Outputs) {
        fill(out.ControlPhone);
        fill(out.AnswerPhone);
    }
    if (rule == TPhoneRule::Edit)
        fill(project.GsmSmsPhone);
}

void EmptyPhoneEntry(TProjectInfo& project, int k, TPhoneRule rule) {
    TPhoneInfo& entry = Entry(project, k);
    entry.Empty = true;
    entry.Number.clear(); // an empty entry holds no number, so none can resurface
    for (std::size_t i = 1; i <= InputCount; ++i) {
        TInputInfo& in = project.Inputs[i];
        MoveIfAt(project, in.SmsPhone, k);
        if (rule == TPhoneRule::Narrow)
            continue;
        MoveIfAt(project, in.AlarmPhone, k);
        if (rule == TPhoneRule::Delete) {
            if (in.ClipEventPhone == k)
                ReassignClipPhone(project, TInputNumber{static_cast<int>(i)}, TClipRole::Event);
            if (in.ClipRestorePhone == k)
                ReassignClipPhone(project, TInputNumber{static_cast<int>(i)}, TClipRole::Restore);
        } else {
            MoveIfAt(project, in.ClipEventPhone, k);
            MoveIfAt(project, in.ClipRestorePhone, k);
        }
    }
    for (TOutputInfo& out : project.Outputs) {
        MoveIfAt(project, out.ControlPhone, k);
        MoveIfAt(project, out.AnswerPhone, k);
    }
    if (rule == TPhoneRule::Narrow)
        return;
    MoveIfAt(project, project.GsmSmsPhone, k);
    if (rule != TPhoneRule::Delete)
        return;
    MoveIfAt(project, project.TestSmsPhone, k);
    if (project.TestClipPhone1 == k) {
        ReassignPhone(project, project.TestClipPhone1);
        project.TestClipPhone2 = project.TestClipPhone1;
    }
    MoveIfAt(project, project.TestDataPhone, k);
}

void EditPhoneEntry(TProjectInfo& project, IPhoneDialog& dialog, int k, bool required) {
    if (!project.Phones.Contains(static_cast<std::size_t>(k)))
        return;
    const std::string shown = IsPhonePresent(project, k) ? Entry(project, k).Number : std::string{};
    if (const auto answer = dialog.Execute(shown, required)) {
        const std::string number = FilterPhoneNumber(*answer);
        if (IsTooShortNumber(number)) {
            EmptyPhoneEntry(project, k, TPhoneRule::Narrow);
            return;
        }
        Store(project, k, number);
    }
    // After Cancel on an entry that still holds no number there is nothing to point at.
    if (IsPhonePresent(project, k))
        AssignNewPhone(project, k, TPhoneRule::Narrow);
}

void PhoneBookEdit(TProjectInfo& project, IPhoneDialog& dialog, int k, const std::string& caption,
                   const std::string& enterPrompt, const std::string& editPrompt,
                   const TEmptyingCheck& mayEmpty) {
    if (!project.Phones.Contains(static_cast<std::size_t>(k)))
        return;
    const bool present = IsPhonePresent(project, k);
    dialog.SetTexts(caption, present ? editPrompt : enterPrompt);
    if (const auto answer = dialog.Execute(present ? Entry(project, k).Number : std::string{}, false)) {
        const std::string number = FilterPhoneNumber(*answer);
        if (number.empty()) {
            TProjectInfo emptied = project;
            EmptyPhoneEntry(emptied, k, TPhoneRule::Edit);
            if (!mayEmpty || mayEmpty(project, emptied))
                project = std::move(emptied);
            return;
        }
        Store(project, k, number);
    }
    if (IsPhonePresent(project, k))
        AssignNewPhone(project, k, TPhoneRule::Edit);
}

std::string PhoneBookCopy(const TProjectInfo& project, int k) {
    return IsPhonePresent(project, k) ? project.Phones[static_cast<std::size_t>(k)].Number : std::string{};
}

void PhoneBookPaste(TProjectInfo& project, int k, std::string_view clipboardText) {
    if (!project.Phones.Contains(static_cast<std::size_t>(k)))
        return;
    TPhoneInfo& entry = Entry(project, k);
    const std::string number = FilterPhoneNumber(clipboardText);
    entry.Number = number;
    entry.Empty = number.empty();
}

bool PhoneBookDelete(TProjectInfo& project, int k, const TEmptyingCheck& mayEmpty) {
    if (!IsPhonePresent(project, k))
        return false;
    TProjectInfo deleted = project;
    EmptyPhoneEntry(deleted, k, TPhoneRule::Delete);
    Entry(deleted, k).Name = DefaultPhoneName(static_cast<std::size_t>(k));
    if (mayEmpty && !mayEmpty(project, deleted))
        return false;
    project = std::move(deleted);
    return true;
}

} // namespace korvisel
