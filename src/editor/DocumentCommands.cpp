// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/DocumentCommands.h"

#include "core/AsciiText.h"
#include "files/FileIo.h"
#include "files/OldProjectFile.h"

namespace korvisel {
namespace {

constexpr char ApplicationCaption[] = "Korvisel";

std::string BaseName(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string ExtensionOf(const std::string& path) {
    const std::string name = BaseName(path);
    const std::size_t dot = name.find_last_of('.');
    return dot == std::string::npos ? std::string{} : AsciiUpper(name.substr(dot));
}

std::string WithFileName(std::string text, const std::string& fileName) {
    const std::size_t at = text.find("%s");
    if (at != std::string::npos)
        text.replace(at, 2, fileName);
    return text;
}

} // namespace

std::string ShownFileName(const std::string& fileName, const TLanguageTexts& texts) {
    return fileName == UntitledFileName ? texts.Text("PRG_UNTITLED") : BaseName(fileName);
}

std::string DocumentTitle(const std::string& fileName, const TLanguageTexts& texts) {
    return "KORvisel PRO [" + ShownFileName(fileName, texts) + "]";
}

std::string WithProjectExtension(const std::string& fileName) {
    if (ExtensionOf(fileName) == ProjectFileExtension)
        return fileName;
    const std::size_t slash = fileName.find_last_of('/');
    const std::size_t dot = fileName.find_last_of('.');
    const bool hasExtension = dot != std::string::npos && (slash == std::string::npos || dot > slash);
    return (hasExtension ? fileName.substr(0, dot) : fileName) + ProjectFileExtension;
}

TDocumentCommands::TDocumentCommands(TDocument& document, IMessageBoxes& boxes, IDocumentView& view,
                                     const TLanguageTexts& texts,
                                     std::function<bool(const std::string& extension)> isModuleExtension)
    : doc_(document), boxes_(boxes), view_(view), texts_(texts),
      isModuleExtension_(std::move(isModuleExtension)) {}

bool TDocumentCommands::Save() {
    if (doc_.FileName != UntitledFileName)
        return SaveUnder(doc_.FileName, true);
    const auto chosen = view_.ChooseSaveFile(doc_.DialogFolder);
    if (!chosen)
        return false;
    doc_.DialogFolder = ParentFolder(*chosen);
    return SaveUnder(*chosen, false);
}

bool TDocumentCommands::SaveAs() {
    const auto chosen = view_.ChooseSaveFile(doc_.DialogFolder);
    if (!chosen)
        return false;
    doc_.DialogFolder = ParentFolder(*chosen);
    // The save dialog has confirmed replacing the name chosen, but only that name.
    return SaveUnder(*chosen, true);
}

bool TDocumentCommands::SaveUnder(const std::string& confirmed, bool confirmedMayBeReplaced) {
    const std::string name = WithProjectExtension(confirmed);
    if (!IsFolder(ParentFolder(name))) {
        boxes_.Error(T("MESSAGE_ERR_FILE_PATH"), ApplicationCaption);
        return false;
    }
    // A file the user never named (the name with its extension forced) is never replaced unasked.
    const bool replaceAsked = name != confirmed || !confirmedMayBeReplaced;
    if (replaceAsked && PathExists(name) &&
        !boxes_.OkCancel(T("MESSAGE_OVERRIDE_FILE1") + name + T("MESSAGE_OVERRIDE_FILE2"),
                         T("MESSAGE_MEGA_CAPTION_QWEST")))
        return false;
    const TFileResult written = WriteProjectFile(name, doc_.Project(), doc_.Images.Outgoing);
    if (!written.Ok()) {
        boxes_.Error(WithArguments(T("PRG_SAVE_FAILED"), {name, written.Reason}), ApplicationCaption);
        return false;
    }
    // The project takes the name only once it is saved under it.
    doc_.FileName = name;
    doc_.MarkSaved();
    return true;
}

TBoxAnswer TDocumentCommands::AskToSave(TBoxIcon icon) {
    return boxes_.YesNoCancel(T("MESSAGE_SAVE_FILE1") +
                                  (doc_.FileName == UntitledFileName ? T("PRG_UNTITLED") : doc_.FileName) +
                                  T("MESSAGE_SAVE_FILE2"),
                              T("MESSAGE_MEGA_CAPTION_QWEST"), icon);
}

bool TDocumentCommands::SaveBeforeDiscarding() {
    if (!doc_.Modified())
        return true;
    switch (AskToSave(TBoxIcon::Question)) {
    case TBoxAnswer::Yes:
        return Save();
    case TBoxAnswer::No:
        return true;
    case TBoxAnswer::Cancel:
        break;
    }
    return false;
}

void TDocumentCommands::Reset() {
    TProjectInfo project;
    TDopPrintInfo print;
    ResetProject(project, print, doc_.FileName);
    // A fresh project holds nothing to save until the user edits it.
    doc_.Replace(project, print);
}

void TDocumentCommands::New() {
    if (SaveBeforeDiscarding())
        Reset();
}

bool TDocumentCommands::NewFromTemplate(const TSiteTemplate& siteTemplate, const std::string& site,
                                        const TSiteValues& values, const TEditPlace& place) {
    if (!SaveBeforeDiscarding())
        return false;
    TProjectInfo fresh;
    TDopPrintInfo print;
    ResetProject(fresh, print, doc_.FileName);
    doc_.Replace(siteTemplate.Project, print);
    doc_.Origin = {siteTemplate.Name, site, values};
    doc_.Edit(place, [&](TProjectInfo& project) { project = ApplySiteValues(siteTemplate, values).Project; });
    return true;
}

void TDocumentCommands::Close() {
    if (doc_.Modified() && !Save())
        return;
    Reset();
    view_.SelectFirstNode();
}

bool TDocumentCommands::MayEnd(TBoxIcon saveQuestionIcon) {
    if (doc_.Modified()) {
        switch (AskToSave(saveQuestionIcon)) {
        case TBoxAnswer::Yes:
            return Save();
        case TBoxAnswer::No:
            return true;
        case TBoxAnswer::Cancel:
            return false;
        }
    }
    return boxes_.YesNo(T("MESSAGE_CLOSE_APPL"), T("MESSAGE_MEGA_CAPTION_QWEST"), TBoxIcon::Question);
}

bool TDocumentCommands::Exit() {
    return MayEnd(TBoxIcon::Information);
}

bool TDocumentCommands::CloseQuery() {
    return MayEnd(TBoxIcon::Question);
}

void TDocumentCommands::ShowReadFailure(const TFileResult& result) {
    if (result.Error == TFileError::NotFound)
        boxes_.Error(WithFileName(T("MESSAGE_NOT_FIND_F"), result.FileName), ApplicationCaption);
    else if (result.Error == TFileError::FalseFormat || result.Error == TFileError::Truncated)
        boxes_.Error(WithFileName(T("MESSAGE_FALSE_FORMAT_F"), result.FileName), ApplicationCaption);
    else
        boxes_.Error(WithArguments(T("PRG_READ_FAILED"), {result.FileName, result.Reason}),
                     ApplicationCaption);
}

bool TDocumentCommands::Load(const std::string& file, bool oldFormat, const std::string& name) {
    TProjectInfo project = doc_.Project();
    const TFileResult result = oldFormat ? ReadOldProjectFile(file, doc_.Images.Incoming, project)
                                         : ReadProjectFile(file, doc_.Images.Incoming, project);
    if (!result.Ok()) {
        ShowReadFailure(result);
        return false;
    }
    doc_.FileName = name;
    if (name == file)
        doc_.DialogFolder = ParentFolder(file);
    // The project now equals its file; the print data stays, as no file keeps it.
    doc_.Replace(project, doc_.Print());
    // Said once, here: a save after it is the user's own decision.
    if (result.ChecksumMismatch)
        boxes_.Information(WithFileName(T("PRG_FILE_CHECKSUM_MISMATCH"), file), ApplicationCaption);
    return true;
}

void TDocumentCommands::Open() {
    if (!SaveBeforeDiscarding())
        return;
    const auto chosen = view_.ChooseOpenFile(doc_.DialogFolder);
    if (!chosen)
        return;
    const std::string extension = ExtensionOf(*chosen);
    if (extension != ProjectFileExtension && !isModuleExtension_(extension)) {
        boxes_.Error(T("MESSAGE_FALSE_FORMAT_F"), ApplicationCaption);
        return;
    }
    Load(*chosen, false, *chosen);
}

void TDocumentCommands::OpenRecent(const std::string& file) {
    if (!PathExists(file) || !SaveBeforeDiscarding())
        return;
    OpenCommandLine(file, {});
}

bool TDocumentCommands::OpenBackup(const std::string& file) {
    return SaveBeforeDiscarding() && Load(file, false, UntitledFileName);
}

void TDocumentCommands::OpenCommandLine(const std::string& argument, const std::string& currentFolder) {
    if (argument.empty())
        return;
    const std::string file = argument.find('/') == std::string::npos && !currentFolder.empty()
                                 ? currentFolder + "/" + argument
                                 : argument;
    const std::string extension = ExtensionOf(file);
    if (extension == OldProjectFileExtension) {
        Load(file, true, file);
        return;
    }
    // The program's own files are opened from here too: it lists them among the recent files and
    // the desktop hands them over on the command line.
    if (extension != ProjectFileExtension && extension != PreviousProjectFileExtension &&
        !isModuleExtension_(extension)) {
        boxes_.Error(T("MESSAGE_FALSE_FORMAT_F"), ApplicationCaption);
        return;
    }
    Load(file, false, file);
}

} // namespace korvisel
