#include "i18n/ProgramTexts.h"

namespace korvisel {

const std::array<TProgramText, ProgramTextCount> ProgramTexts = {{
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
    // The reason of PRG_CANNOT_OPEN when there is no file.
    {"PRG_FILE_MISSING", "the file is missing"},
}};

} // namespace korvisel
