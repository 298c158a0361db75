// SPDX-License-Identifier: GPL-3.0-or-later
// The interface texts of the capabilities the language files' other sections have no text for: keys
// of their own, in a language file's [Program] section, so that translating them never touches the
// others.
#pragma once

#include <array>
#include <cstddef>

namespace korvisel {

struct TProgramText {
    const char* Key;
    const char* Text; // built-in English
};

constexpr std::size_t ProgramTextCount = 246;

inline constexpr std::array<TProgramText, ProgramTextCount> ProgramTexts = {{
    // %1 the port, %2 the system's reason.
    {"PRG_PORT_SETTINGS_REFUSED",
     "%1: the line settings could not be applied (%2); the port keeps working with the settings it has"},
    // A phone list whose setting names no phone of the book.
    {"PRG_NO_PHONE_CHOSEN", "(no phone chosen)"},
    // %s the file.
    {"PRG_FILE_CHECKSUM_MISMATCH",
     "%s\n\nThe file's checksum does not match its contents; check every setting before writing it."},
    // The line was lost after the whole commit of a write went out.
    {"PRG_WRITE_UNCONFIRMED",
     "The device received the whole project; its confirmation could not be seen: verify it"},
    // %1 the program's folder, which may not be a working folder.
    {"PRG_PROGRAM_FOLDER_SYSTEM",
     "%1 belongs to the installed system: projects are kept in the working folder chosen below"},
    // %1 the file, %2 why: the desktop's opener failed or the file is missing.
    {"PRG_CANNOT_OPEN", "%1 could not be opened: %2. Install a web browser (or a program for such files) or "
                        "open the file yourself."},
    // %1 the file: the desktop's opener itself is not installed.
    {"PRG_OPENER_MISSING", "%1 could not be opened: xdg-open, the desktop's opener, is missing. Install the "
                           "xdg-utils package, or open the file yourself."},
    // The reason of PRG_CANNOT_OPEN when there is no file.
    {"PRG_FILE_MISSING", "the file is missing"},
    // The report preview's window title.
    {"PRG_PREVIEW_TITLE", "Print Preview"},
    // Preview button tips, then captions.
    {"PRG_PREVIEW_FIRST", "First page"},
    {"PRG_PREVIEW_PREVIOUS", "Previous page"},
    {"PRG_PREVIEW_NEXT", "Next page"},
    {"PRG_PREVIEW_LAST", "Last page"},
    {"PRG_PREVIEW_FIT_WIDTH", "Fit width"},
    {"PRG_PREVIEW_FIT_WIDTH_TIP", "Zoom to the width of the window"},
    {"PRG_PREVIEW_FIT_PAGE", "Fit page"},
    {"PRG_PREVIEW_FIT_PAGE_TIP", "Zoom to the whole page"},
    {"PRG_PREVIEW_ZOOM_OUT", "Zoom out"},
    {"PRG_PREVIEW_ZOOM_IN", "Zoom in"},
    // The find field's placeholder.
    {"PRG_PREVIEW_FIND", "Find"},
    {"PRG_PREVIEW_FIND_PREVIOUS", "Previous"},
    {"PRG_PREVIEW_FIND_PREVIOUS_TIP", "Find the previous match"},
    {"PRG_PREVIEW_FIND_NEXT", "Next"},
    {"PRG_PREVIEW_FIND_NEXT_TIP", "Find the next match"},
    {"PRG_PREVIEW_PRINT", "Print ..."},
    {"PRG_PREVIEW_PRINT_TIP", "Print the report"},
    {"PRG_PREVIEW_PDF", "Save as PDF ..."},
    {"PRG_PREVIEW_PDF_TIP", "Save the report as a PDF file"},
    // The PDF file dialog's filter.
    {"PRG_PREVIEW_PDF_FILTER", "PDF files (*.pdf)"},
    // %1 the file, %2 why.
    {"PRG_PREVIEW_PDF_FAILED", "The report could not be saved as\n%1\n\n%2"},
    {"PRG_PREVIEW_CLOSE", "Close"},
    {"PRG_PREVIEW_CLOSE_TIP", "Close the preview"},
    // %1 the page shown, %2 how many.
    {"PRG_PREVIEW_PAGE", "Page %1 of %2"},
    // Beside the find field when the text is nowhere in the report.
    {"PRG_PREVIEW_NO_MATCH", "Not found"},
    // %1 the match shown, %2 how many.
    {"PRG_PREVIEW_MATCH", "%1 of %2"},
    // Followed by the quoted texts.
    {"PRG_PREVIEW_CUT", "Cut short on paper, as it does not fit its box:"},
    // The Problems panel's title and its View menu command.
    {"PRG_PROBLEMS", "Problems"},
    {"PRG_PROBLEMS_TIP", "Show or hide the list of the project's problems"},
    // The status bar's count of problems.
    {"PRG_PROBLEMS_NONE", "No problems"},
    {"PRG_PROBLEMS_ONE", "1 problem"},
    // %1 the count, 2 or more.
    {"PRG_PROBLEMS_MANY", "%1 problems"},
    {"PRG_PROBLEMS_COUNT_TIP", "Show the problems; a double click or Enter on one goes to where it is fixed"},
    // %1 the setting, %2 its value, %3 and %4 the lowest and highest this program sets.
    {"PRG_PROBLEM_RANGE", "%1: %2 is outside what this program sets (%3 to %4); kept as it is"},
    // %1 the setting, in the rest of these problems too.
    {"PRG_PROBLEM_ZERO_PERIOD",
     "%1: a period of 0 days, 0 hours and 0 minutes is shorter than this program allows (10 minutes)"},
    {"PRG_PROBLEM_SMS_CHARACTERS", "%1: holds characters this program does not let an SMS have"},
    {"PRG_PROBLEM_INNER_PLUS", "%1: the number has a + after its first character"},
    {"PRG_PROBLEM_PIN_CHARACTERS", "%1: holds a character this program does not let a PIN have"},
    // %1 the parameter's number, 1 to 4.
    {"PRG_PROBLEM_AUDIO", "Audio parameter %1"},
    // The Tools menu's comparison of the project with the device.
    {"PRG_COMPARE", "Compare with Device"},
    {"PRG_COMPARE_TIP", "Read the device and list the settings that differ from the project"},
    // Asked before Compare with Device reads the device.
    {"PRG_COMPARE_ASK",
     "Read the device's settings to compare them with the project? The project is not changed."},
    // The comparison's window title, with the device's port or the backup's file as %1.
    {"PRG_COMPARE_TITLE", "Differences: %1"},
    {"PRG_COMPARE_SAME", "The device holds this project"},
    {"PRG_COMPARE_BACKUP_SAME", "The backup holds this project"},
    // The comparison's columns.
    {"PRG_COMPARE_NODE", "Page"},
    {"PRG_COMPARE_SETTING", "Setting"},
    {"PRG_COMPARE_PROJECT", "In the project"},
    {"PRG_COMPARE_DEVICE", "In the device"},
    {"PRG_COMPARE_IN_BACKUP", "In the backup"},
    {"PRG_COMPARE_HINT", "Double-click a row to show its page. The project is not changed."},
    // The Tools menu's list of the device settings the program kept.
    {"PRG_BACKUPS", "Backups ..."},
    {"PRG_BACKUPS_TIP", "Browse the copies of device settings kept at every read and write"},
    {"PRG_BACKUPS_TITLE", "Backups"},
    {"PRG_BACKUPS_WHEN", "Date and time"},
    {"PRG_BACKUPS_KIND", "Kept"},
    {"PRG_BACKUPS_PORT", "Port"},
    {"PRG_BACKUPS_SIZE", "Size"},
    // What a backup was kept at.
    {"PRG_BACKUPS_READ", "read"},
    {"PRG_BACKUPS_BEFORE_WRITE", "before a write"},
    {"PRG_BACKUPS_WRITTEN", "written"},
    // %1 why the file cannot be opened as a project.
    {"PRG_BACKUPS_DAMAGED", "damaged: %1"},
    {"PRG_BACKUPS_NOT_PROJECT", "not a project file, or cut short"},
    {"PRG_BACKUPS_CHECKSUM", "its checksum does not match its contents"},
    {"PRG_BACKUPS_OPEN", "Open"},
    {"PRG_BACKUPS_COMPARE", "Compare"},
    {"PRG_BACKUPS_FOLDER", "Show in Folder"},
    {"PRG_BACKUPS_NONE", "No backups yet: every read and write keeps one here."},
    // %1 the number kept.
    {"PRG_BACKUPS_KEPT", "The newest %1 are kept; older ones are deleted by the program."},
    {"PRG_SEVERAL", "Write to Several Devices ..."},
    {"PRG_SEVERAL_TIP", "Write the project into the devices on several ports at once"},
    {"PRG_SEVERAL_TITLE", "Write to Several Devices"},
    {"PRG_SEVERAL_PORT", "Port"},
    {"PRG_SEVERAL_DEVICE", "Device"},
    {"PRG_SEVERAL_PROGRESS", "Progress"},
    {"PRG_SEVERAL_STATE", "State"},
    {"PRG_SEVERAL_FIRMWARE", "Firmware"},
    // %1 the line settings of the CPU port.
    {"PRG_SEVERAL_LINE", "Every port writes with the line settings of the CPU port: %1"},
    {"PRG_SEVERAL_COPY", "As Settings ask, each device is read into a backup before it is written."},
    {"PRG_SEVERAL_START", "Start"},
    {"PRG_SEVERAL_STOP", "Stop"},
    {"PRG_SEVERAL_ABSENT", "no device"},
    // %1 the process that holds the port.
    {"PRG_SEVERAL_BUSY", "held by %1"},
    {"PRG_SEVERAL_BUSY_OTHER", "another program holds it"},
    {"PRG_SEVERAL_DENIED", "permission denied: add the user to the dialout group and log in again"},
    {"PRG_SEVERAL_CPU", "the CPU port: closed while the devices are written"},
    // %1 seconds.
    {"PRG_SEVERAL_WRITTEN", "written in %1 s"},
    // %1 what went wrong.
    {"PRG_SEVERAL_FAILED", "failed: %1"},
    // %1 the device's last message.
    {"PRG_SEVERAL_UNCONFIRMED", "sent whole but not confirmed (verify it): %1"},
    {"PRG_SEVERAL_LEFT", "stopped: the device was left unwritten"},
    {"PRG_SEVERAL_STORED", "stopped after the device stored the project"},
    // %1 the device's message.
    {"PRG_SEVERAL_NO_MODEM", "%1 (no modem line is active: on a pseudo-terminal or an adapter without modem "
                             "lines, clear Device Check in Settings)"},
    // %1 the devices written, %2 all devices.
    {"PRG_SEVERAL_DONE", "%1 of %2 devices written."},
    // %1 the ports.
    {"PRG_SEVERAL_STOPPED", "Stopped. Left unwritten: %1"},
    {"PRG_SEVERAL_NONE_TICKED", "Tick the ports of the devices to write, then Start."},
    {"PRG_SEVERAL_REFUSED", "The check refused the write (see its report): nothing was started."},
    // The report's use of a phone beyond the inputs' reports, joined to them by " & ".
    {"PRG_PHONE_USE_TEST", "Test"},
    {"PRG_PHONE_USE_GSM", "GSM supervision"},
    {"PRG_PHONE_USE_OUTPUTS", "Outputs"},
    {"PRG_PHONE_USE_CROW", "CROW"},
    // A stored test period's days or hours beyond what the lists offer, shown as stored; %1 the value.
    {"PRG_PERIOD_DAYS", "%1 Days"},
    {"PRG_PERIOD_HOURS", "%1 Hours"},
    // The question before a phone-book command empties a phone that something uses. %1 the entry,
    // %2 its number, %3 the list of its users.
    {"PRG_PHONE_ASK_USED", "Phone %1, %2, is used by %3."},
    // Where the users go: %1 the entry, %2 its number.
    {"PRG_PHONE_ASK_GO", "Once it is empty they go to phone %1, %2."},
    {"PRG_PHONE_ASK_GO_NOWHERE", "Once it is empty they are left without a phone."},
    // Followed by a line per place the users go.
    {"PRG_PHONE_ASK_GO_APART", "Once it is empty:"},
    // %1 users, %2 the entry they go to, %3 its number.
    {"PRG_PHONE_ASK_GO_LINE", "%1: phone %2, %3"},
    {"PRG_PHONE_ASK_NOWHERE_LINE", "%1: no phone"},
    // %1 users that no rule moves, %2 the emptied entry.
    {"PRG_PHONE_ASK_STAY_LINE", "%1: still phone %2, with no number"},
    {"PRG_PHONE_ASK_DELETE", "Delete it?"},
    {"PRG_PHONE_ASK_EMPTY", "Leave it empty?"},
    // The users the question names. %1 the input, %2 its report kind.
    {"PRG_PHONE_USER_INPUT", "Input %1 (%2)"},
    // %1 the test's report kind.
    {"PRG_PHONE_USER_TEST", "Periodic test (%1)"},
    // %1 the output; %1 the outputs, as "1-3" or "1, 3".
    {"PRG_PHONE_USER_OUTPUT", "Output %1"},
    {"PRG_PHONE_USER_OUTPUTS", "Outputs %1"},
    {"PRG_PHONE_USER_CROW", "CROW adapter"},
    // One of a CLIP report's two phones, where the other goes elsewhere.
    {"PRG_PHONE_USER_CLIP_EVENT", "CLIP event"},
    {"PRG_PHONE_USER_CLIP_RESTORE", "CLIP restore"},
    // The last two of a list; %1 may itself be a list joined by commas.
    {"PRG_LIST_AND", "%1 and %2"},
    // The status bar's note of the copies of device settings kept last; %1 the file.
    {"PRG_BACKUP_NOTE_KEPT", "Copy kept: %1"},
    {"PRG_BACKUP_NOTE_NONE", "No copy kept"},
    // After a run on several devices: %1 how many, %2 the newest.
    {"PRG_BACKUP_NOTE_RUN", "%1 copies kept, the last: %2"},
    // What a screen reader calls a page's description list.
    {"PRG_A11Y_DESCRIPTION", "Description"},
    // A list row without text, as a screen reader reads it.
    {"PRG_A11Y_BLANK_ROW", "Blank line"},
    // What a tree row's picture says, for a screen reader: its input, output or test is on or off.
    {"PRG_A11Y_ON", "on"},
    {"PRG_A11Y_OFF", "off"},
    // A report kind, or a phone of a CLIP grid, is the one chosen or not.
    {"PRG_A11Y_CHOSEN", "chosen"},
    {"PRG_A11Y_NOT_CHOSEN", "not chosen"},
    // One of the one-character edits of a Contact ID group: %1 the group, %2 which, %3 how many.
    {"PRG_A11Y_CHARACTER", "%1, character %2 of %3"},
    // The fraction edit of a time; %1 the time's label.
    {"PRG_A11Y_FRACTION", "%1, tenths of a second"},
    // The step buttons beside a time; %1 the time's label.
    {"PRG_A11Y_LONGER", "%1: longer"},
    {"PRG_A11Y_SHORTER", "%1: shorter"},
    // The phone book's Use column of an entry no report uses.
    {"PRG_A11Y_NOT_USED", "not used"},
    // The button of a toolbar too narrow for all its commands.
    {"PRG_A11Y_MORE_COMMANDS", "More commands"},
    // Under an SMS text: %1 how many more fit, %2 how many in all.
    {"PRG_SMS_CHARACTERS_LEFT", "Characters left: %1 of %2"},
    // The command that opens the audio parameters dialog, and its hint.
    {"PRG_AUDIO", "Audio Parameters ..."},
    {"PRG_AUDIO_TIP", "The device's transmit and receive gains, sensitivity and timeout"},
    // What a screen reader calls the navigation tree.
    {"PRG_A11Y_TREE", "Project settings"},
    // A table cell with nothing in it yet, as a screen reader reads it.
    {"PRG_A11Y_EMPTY_CELL", "empty"},
    // The settings dialog's box of the copy read before a write, and Cancel of every dialog that has one.
    {"PRG_KEEP_COPY", "Keep a copy of the device's settings before writing"},
    {"PRG_CANCEL", "Cancel"},
    // The settings' port that is not there now; %1 the port.
    {"PRG_PORT_ABSENT_CHOICE", "%1 (absent)"},
    // The name of a project never saved, in the window's title and the questions.
    {"PRG_UNTITLED", "Untitled"},
    // The CLIP pages' columns and buttons: the phone called at an event and at its restore.
    {"PRG_CLIP_EVENT", "Event"},
    {"PRG_CLIP_RESTORE", "Restore"},
    // The file dialogs' filters and the working folder's dialog.
    {"PRG_FILTER_PROJECTS", "Korvisel Files(690) (*.kv690)"},
    {"PRG_FILTER_LANGUAGES", "Module Files (*.ini)"},
    {"PRG_FILTER_ALL", "All Files (*)"},
    {"PRG_FOLDER_TITLE", "Destination Directory"},
    {"PRG_FOLDER_PROMPT", "Select folder for saving and reading Files"},
    // In place of a file the settings name none.
    {"PRG_NONE_SET", "(none set)"},
    // A device of several left unwritten because its copy failed; %1 why.
    {"PRG_SEVERAL_COPY_UNREAD", "nothing written, the copy before writing could not be read: %1"},
    {"PRG_SEVERAL_COPY_UNKEPT", "nothing written, the copy before writing could not be kept: %1"},
    // The status bar note's tip: %1 the copy's file, or why none was kept.
    {"PRG_BACKUP_TIP_KEPT", "copy of the device's settings kept: %1"},
    {"PRG_BACKUP_TIP_NONE", "no copy of the device's settings kept: %1"},
    // The messages of a project that could not be saved or read; %1 the file, %2 the system's reason.
    {"PRG_SAVE_FAILED", "The project could not be saved as\n%1\n\n%2"},
    {"PRG_READ_FAILED", "The project could not be read from\n%1\n\n%2"},
    // Before a write, when the copy of the device's settings fails; %1 why it could not be kept.
    {"PRG_COPY_READ_FAILED", "The device's settings could not be read for the copy kept before writing, so "
                             "nothing was written.\n\nTo write without a copy, clear \"Keep a copy of the "
                             "device's settings before writing\" in Settings ..."},
    {"PRG_COPY_KEEP_FAILED",
     "The copy of the device's settings could not be kept, so nothing was written.\n\n%1"},
    // The audio parameters' dialog: its title and the parameters' labels.
    {"PRG_AUDIO_TITLE", "Audio Parametres"},
    {"PRG_AUDIO_TX", "Parameter 1 (TxPGA) : "},
    {"PRG_AUDIO_RX", "Parameter 2 (RxPGA) : "},
    {"PRG_AUDIO_SENSITIVITY", "Parameter 3 (Sensitive): "},
    {"PRG_AUDIO_TIMEOUT", "Parameter 4(Timeout x10sec) : "},
    // Why the CPU port is not open. %1 the device's path, where there is one.
    {"PRG_PORT_NOT_OPEN", "the port is not open"},
    {"PRG_PORT_NO_SUCH_PORT", "no such device: %1 names no serial port"},
    {"PRG_PORT_DENIED", "permission denied on %1: the user is not in the dialout group"},
    {"PRG_PORT_BUSY", "device busy: %1 is in use by another program"},
    {"PRG_PORT_ABSENT", "no such device: %1"},
    // %1 the system's reason, %2 the device's path.
    {"PRG_PORT_LOST", "the device was lost: %1 on %2"},
    {"PRG_PORT_HALF_STOP_BITS", "1.5 stop bits cannot be set on this system"},
    // %1 the system's reason.
    {"PRG_PORT_SETTINGS_FAILED", "line settings refused: %1"},
    // A size in bytes, one text per plural form of the language; %1 the number.
    {"PRG_BYTES_ONE", "%1 byte"},
    {"PRG_BYTES_FEW", "%1 bytes"},
    {"PRG_BYTES_MANY", "%1 bytes"},
    {"PRG_BYTES_OTHER", "%1 bytes"},
    // The consistency check's findings in the Problems panel. The built-in texts are the check report's
    // own lines, which Errors.txt keeps in English whatever the language.
    {"PRG_CHECK_NO_PHONES", "ERROR : Phone count = 0"},
    // %1 who reports (PRG_CHECK_INPUT, _GSM or _TEST), %2 which of its phones (PRG_CHECK_..._PHONE).
    {"PRG_CHECK_PHONE_NONE", "ERROR : %1 Report: %2 Index: 0"},
    {"PRG_CHECK_PHONE_EMPTY", "ERROR : %1 Report: %2 EMPTY"},
    // %1 the input.
    {"PRG_CHECK_INPUT", "Input %1"},
    {"PRG_CHECK_GSM", "GSM Supervision"},
    {"PRG_CHECK_TEST", "Periodic Test"},
    {"PRG_CHECK_ALARM_PHONE", "ALARM; Phone"},
    {"PRG_CHECK_SMS_PHONE", "SMS; Phone"},
    {"PRG_CHECK_CLIP_EVENT_PHONE", "CLIP; Event Phone"},
    {"PRG_CHECK_CLIP_RESTORE_PHONE", "CLIP; Restore Phone"},
    {"PRG_CHECK_DATA_PHONE", "DATA; Phone"},
    // %1 the input.
    {"PRG_CHECK_SMS_EVENT_EMPTY", "WARNING : Input %1 Report: SMS; Event Message EMPTY"},
    {"PRG_CHECK_SMS_RESTORE_EMPTY", "WARNING : Input %1 Report: SMS; Restore Message EMPTY"},
    // %1 the phone-book entry, %2 its number.
    {"PRG_CHECK_SHARED_PHONE", "WARNING : Phone %1 -  %2 Reports : ALARM & CLIP"},
    // File > New from Template and the step it makes.
    {"PRG_TEMPLATE_NEW", "New from Template ..."},
    {"PRG_TEMPLATE_NEW_TIP", "Start a project from a company template and this site's values"},
    {"PRG_TEMPLATE_SAVE_AS", "Save as Template ..."},
    {"PRG_TEMPLATE_SAVE_AS_TIP", "Keep this project as a template whose marked settings each site gives"},
    {"PRG_TEMPLATE_SAVE_TITLE", "Save as Template"},
    {"PRG_TEMPLATE_NAME", "Template name:"},
    {"PRG_TEMPLATE_FIELDS", "Settings each site gives (tick them; F2 edits a label or default):"},
    {"PRG_TEMPLATE_SETTING", "Setting"},
    {"PRG_TEMPLATE_LABEL", "Label"},
    {"PRG_TEMPLATE_DEFAULT", "Default"},
    {"PRG_TEMPLATE_SAVE", "Save"},
    // %1 the template's name.
    {"PRG_TEMPLATE_REPLACES", "A template named \"%1\" exists: Save replaces it."},
    // %1 why.
    {"PRG_TEMPLATE_NOT_SAVED", "The template was not saved: %1"},
    // %1 the file.
    {"PRG_TEMPLATE_SAVED", "Template saved: %1"},
    {"PRG_TEMPLATE_NEW_TITLE", "New from Template"},
    {"PRG_TEMPLATE_CHOOSE", "Template:"},
    {"PRG_TEMPLATE_FILE", "Template File ..."},
    {"PRG_TEMPLATE_SITE", "Site:"},
    {"PRG_TEMPLATE_CREATE", "Create"},
    {"PRG_TEMPLATE_NONE", "No templates yet: open a project that sets the company's standard and use File > Save as Template."},
    // %1 the file and why it cannot be read.
    {"PRG_TEMPLATE_UNREAD", "Not offered: %1"},
    // An empty value keeps the template's; %1 that value.
    {"PRG_TEMPLATE_KEEPS", "empty: %1"},
    {"PRG_TEMPLATE_PLUS_FIRST", "Only the first character may be +."},
    // %1 the number.
    {"PRG_TEMPLATE_LENGTH", "Needs exactly %1 characters."},
    {"PRG_FILTER_TEMPLATES", "Templates (*.json)"},
    // Write to Several Devices from a sites table.
    {"PRG_SITES_OPEN", "Sites Table ..."},
    {"PRG_SITES_CLEAR", "Clear Table"},
    {"PRG_FILTER_SITES", "Sites Tables (*.csv)"},
    // The column of each port's site.
    {"PRG_SITES_SITE", "Site"},
    // Above the rows the write leaves out, and their list's name for a screen reader.
    {"PRG_SITES_LEFT_OUT", "Rows left out:"},
    {"PRG_SITES_NONE", "No sites table: every ticked device is written with the open project."},
    // %1 the table's file, %2 its rows, %3 the rows refused; followed by PRG_SITES_BY_PORT or _BY_CHOICE.
    {"PRG_SITES_SUMMARY", "Sites table %1 (sites: %2, refused: %3) applied to the open project."},
    {"PRG_SITES_BY_PORT", "Its Port column gives each port its site."},
    {"PRG_SITES_BY_CHOICE", "Choose the site of each ticked port in the Site column."},
    // %1 why (the file and the reader's reason).
    {"PRG_SITES_UNUSABLE", "The sites table cannot be used: %1"},
    // %1 the file.
    {"PRG_SITES_EMPTY", "%1: the table names no site"},
    // %1 the record, %2 its line in the file, %3 the column, %4 the reason (%3 the reason when no column).
    {"PRG_SITES_ROW_PROBLEM", "record %1 (line %2): %3"},
    {"PRG_SITES_CELL_PROBLEM", "record %1 (line %2), column %3: %4"},
    // %1 the record, %2 its line, %3 the port the row names.
    {"PRG_SITES_PORT_NOT_OFFERED", "record %1 (line %2): port %3 cannot be written here"},
    {"PRG_SITES_NO_PORT", "record %1 (line %2): the row names no port"},
    // %1 the site, in a port's list of sites.
    {"PRG_SITES_REFUSED_CHOICE", "%1 (refused)"},
    // %1 the port.
    {"PRG_SITES_NO_SITE", "%1 has no site: choose one or untick the port."},
    {"PRG_SITES_NOT_IN_TABLE", "The sites table gives %1 no site."},
    // %1 the site, %2 and %3 the two ports.
    {"PRG_SITES_TWICE", "The site %1 is chosen for %2 and %3: each device needs a site of its own."},
    // %1 the port, %2 the site, %3 the row's problem.
    {"PRG_SITES_CANNOT", "%1 cannot be written with the site %2: %3"},
    // %1 the setting, %2 the limit.
    {"PRG_TEMPLATE_LABEL_LONG", "The label of %1 is longer than %2 characters."},
    // %1 the setting, %2 why (PRG_TEMPLATE_PLUS_FIRST, _LENGTH or the rule's words).
    {"PRG_TEMPLATE_DEFAULT_REFUSED", "The default of %1 cannot stand: %2"},
}};

} // namespace korvisel
