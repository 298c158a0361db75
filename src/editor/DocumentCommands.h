// SPDX-License-Identifier: GPL-3.0-or-later
// The document commands: New, Open, Save, Save As, Close, Exit, the close query, the recently used
// files and the file named on the command line, with their questions, the window title and the
// Modified flag. A cancelled or failed save never lets unsaved work be discarded.
#pragma once

#include "core/MessageBoxes.h"
#include "editor/Document.h"
#include "fields/SiteTemplate.h"
#include "files/ProjectFile.h"
#include "i18n/LanguageTexts.h"

#include <functional>
#include <optional>
#include <string>

namespace korvisel {

// What the commands need of the main window besides message boxes. The title, the tree and the
// page follow the document's own announcements.
class IDocumentView {
public:
    virtual ~IDocumentView() = default;
    virtual std::optional<std::string> ChooseSaveFile(const std::string& folder) = 0;
    virtual std::optional<std::string> ChooseOpenFile(const std::string& folder) = 0;
    // After Close: select the first top-level node.
    virtual void SelectFirstNode() = 0;
};

// A project's name as the window shows it: the file name without its folder, or the language's
// word for a project never saved.
std::string ShownFileName(const std::string& fileName, const TLanguageTexts& texts);
// "KORvisel PRO [name]" with the shown name.
std::string DocumentTitle(const std::string& fileName, const TLanguageTexts& texts);

class TDocumentCommands {
public:
    // `isModuleExtension` tells whether an extension belongs to an installed device-model module
    // (and makes that module current, as the test does).
    TDocumentCommands(TDocument& document, IMessageBoxes& boxes, IDocumentView& view,
                      const TLanguageTexts& texts,
                      std::function<bool(const std::string& extension)> isModuleExtension);

    bool Save();
    bool SaveAs();
    void New();
    // File > New from Template: after the question about unsaved changes, an untitled project that is
    // the template's, then the site's values as a step of its own, so that they count as unsaved work
    // and Undo shows what the template holds. The project remembers where it came from. False when
    // the question was answered Cancel.
    bool NewFromTemplate(const TSiteTemplate& siteTemplate, const std::string& site,
                         const TSiteValues& values, const TEditPlace& place);
    void Open();
    void Close();
    // True when the program is to end.
    bool Exit();
    // True when the window may close.
    bool CloseQuery();
    void OpenRecent(const std::string& file);
    // A kept copy of a device's settings as a new, untitled project: Save asks for a name, so the copy
    // itself is never overwritten, nor deleted with the oldest backups while it holds the user's work.
    // False when it was not opened: Cancel in the question about unsaved changes, or a file that does
    // not read.
    bool OpenBackup(const std::string& file);
    void OpenCommandLine(const std::string& argument, const std::string& currentFolder);
    // The message box of a file that could not be read as a project.
    void ShowReadFailure(const TFileResult& result);

private:
    // Writes the project as `confirmed` with its extension forced to ".KV690". An existing file is
    // replaced without a question only when it is the one the user confirmed and may replace;
    // otherwise the overwrite question comes first. The project's name changes only on success.
    bool SaveUnder(const std::string& confirmed, bool confirmedMayBeReplaced);
    // "Save file : NAME ?" with Yes, No and Cancel.
    TBoxAnswer AskToSave(TBoxIcon icon);
    // Before New and Open replace unsaved changes: Yes saves (and goes on only when that worked), No
    // discards them, Cancel stops the command. False when the command must stop.
    bool SaveBeforeDiscarding();
    // Exit and closing the window: the save question (Yes saves, and ends only when that worked),
    // or, with nothing unsaved, whether to end at all.
    bool MayEnd(TBoxIcon saveQuestionIcon);
    // Opens `file` as the project named `name` (the file itself, or untitled for a backup).
    bool Load(const std::string& file, bool oldFormat, const std::string& name);
    // New and Close: the project as the program starts it, print data included.
    void Reset();
    std::string T(TTextKey key) const { return texts_.Text(key); }

    TDocument& doc_;
    IMessageBoxes& boxes_;
    IDocumentView& view_;
    const TLanguageTexts& texts_;
    std::function<bool(const std::string&)> isModuleExtension_;
};

// The project file name Save uses: the extension forced to ".KV690".
std::string WithProjectExtension(const std::string& fileName);

} // namespace korvisel
