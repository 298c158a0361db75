// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the seed corpora of the fuzz targets into FOLDER/<target>/: the files the tests build, made
// by the program's own writers, so the fuzzers start from inputs that reach deep into each reader.
// Run as: korvisel_fuzz_seeds tests/fuzz/corpus
#include "fields/DeviceImage.h"
#include "files/ProjectFile.h"
#include "i18n/LanguageTexts.h"
#include "link/SimulatedDevice.h"
#include "link/TransferEngine.h"
#include "link/TransferProtocol.h"
#include "markup/Panels.h"
#include "settings/RegistryData.h"
#include "settings/SettingsStore.h"
#include "json/ProjectJson.h"
#include "json/SiteTemplateJson.h"

#include "SampleProject.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace korvisel {
namespace {

std::filesystem::path corpus;

void Seed(const std::string& target, const std::string& name, const std::string& bytes) {
    std::filesystem::create_directories(corpus / target);
    std::ofstream(corpus / target / name, std::ios::binary) << bytes;
}

std::string Text(const std::vector<std::uint8_t>& bytes) {
    return {bytes.begin(), bytes.end()};
}

std::string ImageBytes(TProjectInfo project) {
    TDeviceImage image{};
    PackImage(project, image);
    return {image.begin(), image.end()};
}

// The engine's run against a simulated device, recorded in the transfer fuzzer's input form: a
// mode byte, then for every byte sent the device's answer with its two-byte length.
class RecordingLine : public ITransferPort, public ITransferClock, public IEventPump {
public:
    explicit RecordingLine(TSimulatedDevice& device) : device_(device) {}
    std::string recording;

    void SetCapture(bool on) override { capture_ = on; }
    void ClearCaptured() override { captured_.clear(); }
    std::string CapturedText() const override { return captured_; }
    bool Lost() const override { return false; }
    bool SendByte(std::uint8_t byte) override {
        const std::string answer = device_.Receive(std::string(1, static_cast<char>(byte)));
        recording += static_cast<char>(answer.size() & 0xFF);
        recording += static_cast<char>(answer.size() >> 8);
        recording += answer;
        pending_ += answer;
        return true;
    }
    std::int64_t NowUs() override { return now_; }
    void ProcessEvents(std::int64_t remainingUs) override {
        now_ += std::max<std::int64_t>(1, std::min<std::int64_t>(remainingUs, 1000));
        if (capture_)
            captured_ += pending_;
        pending_.clear();
    }

private:
    TSimulatedDevice& device_;
    std::int64_t now_ = 0;
    bool capture_ = false;
    std::string captured_, pending_;
};

class AgreeingView : public ITransferView {
public:
    void SetCaption(TTextKey) override {}
    void SetStepText(TTextKey) override {}
    void SetOverallText(TTextKey) override {}
    void SetStepBar(int) override {}
    void SetOverallBar(int) override {}
    bool ShowMessage(TMessageKind, TTextKey) override { return true; }
};

std::string RecordedRun(TTransferMode mode, TDeviceFaults faults) {
    TSimulatedDevice device(BuildPayload(TDeviceImage{}), faults);
    RecordingLine line(device);
    AgreeingView view;
    TTransferEngine engine(line, line, line, view);
    if (mode == TTransferMode::Write)
        engine.TransferData = BuildPayload(TDeviceImage{});
    engine.Run(mode);
    return std::string(1, mode == TTransferMode::Write ? '\1' : '\0') + line.recording;
}

void WriteSeeds(const std::filesystem::path& sourceFolder) {
    const TProjectInfo busy = test::BusyProject();
    TDeviceImage busyImage{};
    TProjectInfo packed = busy;
    PackImage(packed, busyImage);

    Seed("ProjectFile", "default.KV690", Text(ProjectFileBytes(TDeviceImage{})));
    Seed("ProjectFile", "busy.KV690", Text(ProjectFileBytes(busyImage)));
    Seed("ProjectFile", "short.KV690",
         Text(ProjectFileBytes(busyImage)).substr(0, ProjectFileLayout::MinimumSize));

    Seed("OldProjectFile", "busy.KRV", ImageBytes(busy).substr(0, 224));
    Seed("UnpackImage", "default", ImageBytes({}));
    Seed("UnpackImage", "busy", ImageBytes(busy));

    Seed("JsonProject", "default.json", ProjectToJson({}));
    Seed("JsonProject", "busy.json", ProjectToJson(busy));
    Seed(
        "JsonProject", "from-template.json",
        ProjectToJson(busy, {"Company", "Shop 12", {{"Phones[1].Number", "+79001112233"}, {"Pin", "4321"}}}));
    TSiteTemplate company = TemplateOfProject(busy, "Company");
    for (TTemplateField& field : company.Fields)
        if (field.Field == "Phones[1].Number")
            field = {field.Field, "Owner's phone", std::string("+79001112233")};
    Seed("SiteTemplate", "company.json", SiteTemplateToJson(company));
    Seed("SiteTemplate", "empty.json", SiteTemplateToJson({"Plain", {}, {}}));

    std::ifstream russian(sourceFolder / "languages/Russian.ini", std::ios::binary);
    Seed("LanguageFile", "Russian.ini", std::string(std::istreambuf_iterator<char>(russian), {}));
    Seed("LanguageFile", "small.ini",
         "[Main]\nName=Small\nCodePage=65001\n[Language]\nF2_READ_OK= #Read /A done# "
         "\n[Menu]\nActNew=\"&New\"\n");

    TRegistryData settings;
    settings.Set(RegistryKey::Settings, "CPUPort", TRegValue::String("COM1"));
    settings.Set(RegistryKey::Settings, "FileCount", TRegValue::Dword(4));
    settings.Set(RegistryKey::Settings, "WorkPath", TRegValue::String("/home/\"user\"\\work\n"));
    settings.Set(RegistryKey::Language, "2Lang_TREEINFO", TRegValue::String("Settings"));
    Seed("SettingsFile", "registry.reg", settings.Serialize());
    Seed("SettingsFile", "damaged.reg",
         settings.Serialize() + "\"Other\"=dword:1ffffffff\n[Open\nno equals\n");

    TLanguageTexts texts;
    TProjectInfo shown = busy;
    std::string rows;
    for (const std::string& row : ProjectSummaryRows(shown, texts))
        rows += row + "\n";
    Seed("Markup", "project", rows);
    rows.clear();
    for (const std::string& row : InputSummaryRows(busy, 1, texts))
        rows += row + "\n";
    Seed("Markup", "input", rows);

    Seed("TransferEngine", "read", RecordedRun(TTransferMode::Read, {}));
    Seed("TransferEngine", "write", RecordedRun(TTransferMode::Write, {}));
    TDeviceFaults lower;
    lower.LowerCaseOk = true;
    Seed("TransferEngine", "lower-case-ok", RecordedRun(TTransferMode::Read, lower));

    Seed("CsvTable", "sites.csv",
         "\xEF\xBB\xBFSite,Port,Phones[1].Number,Inputs[1].SmsEventText,Inputs[3].Cid.Object,Pin\r\n"
         "\"Shop, \"\"North\"\"\",COM5,+79001234567,OPEN N,12AB,1234\r\n"
         "\"Two\r\nlines\",COM6,-,,-,\r\n");
    Seed("CsvTable", "refused.csv", "Site,Pin,Unknown\nA,12345,x\nA,,\n\"open");
}

} // namespace
} // namespace korvisel

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: korvisel_fuzz_seeds FOLDER\n", stderr);
        return 2;
    }
    korvisel::corpus = argv[1];
    korvisel::WriteSeeds(KORVISEL_SOURCE_DIR);
    return 0;
}
