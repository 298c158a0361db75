#include "app/OptionState.h"

#include "app/Settings.h"

#include <sys/stat.h>

namespace korvisel {

std::optional<bool> ActivateCpuPort(TCommPortDriverEx& port, TOptionState& options, TSettingsStore& store,
                                    const std::string& programFolder, int& portAvailability) {
    options.Port.PortNames = BuildPortList(port);
    port.SetBaudRate(br9600);
    const std::optional<bool> readWrite =
        UpdateReadWrite(portAvailability, PortAvailabilityOf(options.Port.PortNames));

    const TGeneralSettings general = LoadGeneralSettings(store, programFolder, [](const std::string& path) {
        struct stat st {};
        return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
    });
    if (general.ListLength)
        options.ListLength = *general.ListLength;
    options.WorkPath = general.WorkPath;
    options.UseProgramFolder = general.UseProgramFolder;
    options.Port.PortIndex = LoadPortChoice(store, options.Port.PortNames);

    ApplyPortSettings(options.Port, port);
    port.Connect();
    return readWrite;
}

} // namespace korvisel
