// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/SitesTableFile.h"

#include "files/FileIo.h"

#include <string_view>

namespace korvisel {

TResult<TCsvTable> ReadSitesTableFile(const std::string& path) {
    const TFileHead head = ReadFileHead(path, LargestSitesTable + 1);
    if (head.Status == TReadStatus::NotFound)
        return TResult<TCsvTable>::Failure(path + ": not found");
    if (head.Status == TReadStatus::Failed)
        return TResult<TCsvTable>::Failure(path + ": " + head.Reason);
    if (head.Size > LargestSitesTable)
        return TResult<TCsvTable>::Failure(path + ": too large for a sites table");
    TResult<TCsvTable> table =
        ReadCsvTable(std::string_view(reinterpret_cast<const char*>(head.Bytes.data()), head.Bytes.size()));
    if (!table.Ok())
        return TResult<TCsvTable>::Failure(path + ": " + table.Reason());
    return table;
}

} // namespace korvisel
