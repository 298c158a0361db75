// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/SeveralDevices.h"

#include "i18n/LanguageTexts.h"

#include <algorithm>
#include <cstdio>

namespace korvisel {
namespace {

std::string StateNote(const TPortRow& row, const TLanguageTexts& texts) {
    switch (row.State) {
    case TPortState::Free:
        return {};
    case TPortState::Busy:
        return row.Holder.empty() ? texts.Text("PRG_SEVERAL_BUSY_OTHER")
                                  : WithArguments(texts.Text("PRG_SEVERAL_BUSY"), {row.Holder});
    case TPortState::Denied:
        return texts.Text("PRG_SEVERAL_DENIED");
    case TPortState::Absent:
        break;
    }
    return texts.Text("PRG_SEVERAL_ABSENT");
}

std::string Tenths(double seconds) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", seconds);
    return text;
}

} // namespace

std::vector<TOfferedPort> OfferedPorts(const std::vector<TPortRow>& rows, const std::string& cpuPort,
                                       bool cpuPortOpen, const TLanguageTexts& texts) {
    std::vector<TOfferedPort> offered;
    for (const TPortRow& row : rows) {
        TOfferedPort port{row.Port, row.Device, row.State == TPortState::Free, StateNote(row, texts)};
        // This program's own hold makes the CPU port look busy.
        if (row.Port == cpuPort && cpuPortOpen && row.State != TPortState::Absent) {
            port.Usable = true;
            port.Note = texts.Text("PRG_SEVERAL_CPU");
        }
        offered.push_back(std::move(port));
    }
    return offered;
}

std::string LineSettingsText(const TCommPortDriverEx& port, const TLanguageTexts& texts) {
    static const char* const parity[] = {"N", "O", "E", "M", "S"};
    static const char* const stopBits[] = {"1", "1.5", "2"};
    static const char* const hwFlow[] = {"", ", RTS", ", RTS/CTS"};
    std::string text = std::to_string(port.BaudRateValue()) + ", " + std::to_string(5 + port.DataBits()) +
                       "-" + parity[port.Parity()] + "-" + stopBits[port.StopBits()] + hwFlow[port.HwFlow()];
    if (port.SwFlow() != sfNONE)
        text += ", XON/XOFF";
    if (port.CheckLineStatus())
        text += ", " + texts.Text("F4_OPT_L3_DEV_CH");
    return text;
}

std::function<void(TCommPortDriverEx&)> SameLineSettings(const TCommPortDriverEx& cpuPort) {
    return [baud = cpuPort.BaudRate(), bits = cpuPort.DataBits(), parity = cpuPort.Parity(),
            stop = cpuPort.StopBits(), hw = cpuPort.HwFlow(), sw = cpuPort.SwFlow(),
            dtr = cpuPort.EnableDTROnOpen(), check = cpuPort.CheckLineStatus(),
            timeout = cpuPort.OutputTimeout()](TCommPortDriverEx& port) {
        port.SetBaudRate(baud);
        port.SetDataBits(bits);
        port.SetParity(parity);
        port.SetStopBits(stop);
        port.SetHwFlow(hw);
        port.SetSwFlow(sw);
        port.SetEnableDTROnOpen(dtr);
        port.SetCheckLineStatus(check);
        port.SetOutputTimeout(timeout);
    };
}

TBatchJob SeveralDevicesJob(std::string payload, const TDeviceImage& outgoing,
                            const TCommPortDriverEx& cpuPort, bool copyFirst, const TLanguageTexts& texts) {
    TBatchJob job;
    job.Mode = TTransferMode::Write;
    job.Payload = std::move(payload);
    job.Outgoing = outgoing;
    job.KeepBackup = true;
    job.CopyBeforeWrite = copyFirst;
    job.Configure = SameLineSettings(cpuPort);
    job.Texts = &texts;
    return job;
}

std::string OfferedResultText(const TBatchResult& result, const TLanguageTexts& texts) {
    switch (result.State) {
    case TBatchState::Done:
        return WithArguments(texts.Text("PRG_SEVERAL_WRITTEN"), {Tenths(result.Seconds)}) +
               (result.Detail.empty() ? "" : "; " + result.Detail);
    case TBatchState::Unconfirmed:
        return WithArguments(texts.Text("PRG_SEVERAL_UNCONFIRMED"), {result.Detail});
    case TBatchState::Stopped:
        return LeftUnwritten(result, TTransferMode::Write) ? texts.Text("PRG_SEVERAL_LEFT")
                                                           : texts.Text("PRG_SEVERAL_STORED");
    case TBatchState::Failed:
        break;
    }
    const std::string problem = result.NoModemLine
                                    ? WithArguments(texts.Text("PRG_SEVERAL_NO_MODEM"), {result.Detail})
                                    : result.Detail;
    return WithArguments(texts.Text("PRG_SEVERAL_FAILED"), {problem});
}

std::string BatchEndText(const std::vector<TBatchResult>& results, bool stopped,
                         const TLanguageTexts& texts) {
    if (stopped) {
        std::string left;
        for (const TBatchResult& r : results)
            if (LeftUnwritten(r, TTransferMode::Write))
                left += (left.empty() ? "" : ", ") + r.Port;
        return WithArguments(texts.Text("PRG_SEVERAL_STOPPED"), {left.empty() ? "-" : left});
    }
    const auto written = std::count_if(results.begin(), results.end(),
                                       [](const TBatchResult& r) { return r.State == TBatchState::Done; });
    return WithArguments(texts.Text("PRG_SEVERAL_DONE"),
                         {std::to_string(written), std::to_string(results.size())});
}

} // namespace korvisel
