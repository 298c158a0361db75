#include "i18n/ProgramTexts.h"

namespace korvisel {

const std::array<TProgramText, ProgramTextCount> ProgramTexts = {{
    // %1 the port, %2 the system's reason.
    {"PRG_PORT_SETTINGS_REFUSED",
     "%1: the line settings could not be applied (%2); the port keeps working with the settings it has"},
    // A phone list whose setting names no phone of the book.
    {"PRG_NO_PHONE_CHOSEN", "(no phone chosen)"},
}};

} // namespace korvisel
