// SPDX-License-Identifier: GPL-3.0-or-later
#include "json/TemplateFolder.h"

#include "files/FileIo.h"
#include "files/SitesTable.h"
#include "files/StandardPaths.h"
#include "json/SiteTemplateJson.h"

#include <algorithm>
#include <filesystem>

namespace korvisel {
namespace {

// A template holds one project and at most a few hundred fields: far below this.
constexpr std::size_t LargestTemplate = 1024 * 1024;

// Bounds the listing of a folder someone filled with something else.
constexpr std::size_t MostListed = 1000;

} // namespace

std::string TemplatesFolder() {
    return UserDataFolder() + "/templates";
}

std::string TemplateFilePath(const std::string& folder, const std::string& name) {
    return folder + "/" + SiteFileStem(name) + ".json";
}

std::vector<TTemplateEntry> ListTemplates(const std::string& folder) {
    std::vector<TTemplateEntry> entries;
    std::error_code error;
    for (std::filesystem::directory_iterator it(folder, error), end;
         !error && it != end && entries.size() < MostListed; it.increment(error)) {
        const std::filesystem::path& path = it->path();
        // A link to nothing is passed over without ending the listing.
        std::error_code unreadable;
        if (path.extension() != ".json" || !it->is_regular_file(unreadable))
            continue;
        const TResult<TSiteTemplate> read = LoadTemplateFile(path.string());
        entries.push_back(read.Ok() ? TTemplateEntry{path.string(), read.Value().Name, {}}
                                    : TTemplateEntry{path.string(), {}, read.Reason()});
    }
    std::sort(entries.begin(), entries.end(), [](const TTemplateEntry& a, const TTemplateEntry& b) {
        return a.Name != b.Name ? a.Name < b.Name : a.Path < b.Path;
    });
    return entries;
}

TResult<TSiteTemplate> LoadTemplateFile(const std::string& path) {
    using Failed = TResult<TSiteTemplate>;
    const TFileHead head = ReadFileHead(path, LargestTemplate + 1);
    if (head.Status == TReadStatus::NotFound)
        return Failed::Failure(path + ": not found");
    if (head.Status == TReadStatus::Failed)
        return Failed::Failure(path + ": " + head.Reason);
    if (head.Size > LargestTemplate)
        return Failed::Failure(path + ": too large for a template");
    TResult<TSiteTemplate> read = SiteTemplateFromJson(
        std::string(reinterpret_cast<const char*>(head.Bytes.data()), head.Bytes.size()));
    if (!read.Ok())
        return Failed::Failure(path + ": " + read.Reason());
    return read;
}

TResult<std::string> SaveTemplateFile(const std::string& folder, const TSiteTemplate& siteTemplate) {
    using Failed = TResult<std::string>;
    if (const TResult<> checked = CheckSiteTemplate(siteTemplate); !checked.Ok())
        return Failed::Failure(checked.Reason());
    if (const TResult<> made = MakeFolders(folder); !made.Ok())
        return Failed::Failure(folder + ": " + made.Reason());
    const std::string path = TemplateFilePath(folder, siteTemplate.Name);
    const std::string text = SiteTemplateToJson(siteTemplate);
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
    if (const TResult<> written = WriteFileAtomically(path, {bytes, text.size()}); !written.Ok())
        return Failed::Failure(path + ": " + written.Reason());
    return path;
}

} // namespace korvisel
