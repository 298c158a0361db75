// SPDX-License-Identifier: GPL-3.0-or-later
// The user's templates: one file each in the templates folder of the user's data folder, named
// after the template.
#pragma once

#include "fields/SiteTemplate.h"

#include <string>
#include <vector>

namespace korvisel {

// $XDG_DATA_HOME/korvisel/templates, or ~/.local/share/korvisel/templates.
std::string TemplatesFolder();

// The file a template of this name is kept in: its name made a safe file name, ".json".
std::string TemplateFilePath(const std::string& folder, const std::string& name);

struct TTemplateEntry {
    std::string Path;
    std::string Name;    // the template's own name; empty when it could not be read
    std::string Problem; // why it could not be read
};

// Every .json file of the folder, by name; one that is no template is listed with its problem, so
// that the user learns why it is not offered. A missing folder holds none.
std::vector<TTemplateEntry> ListTemplates(const std::string& folder);

TResult<TSiteTemplate> LoadTemplateFile(const std::string& path);

// Checks the template and writes it atomically into the folder (made when missing), replacing a
// template of the same name; the file written.
TResult<std::string> SaveTemplateFile(const std::string& folder, const TSiteTemplate& siteTemplate);

} // namespace korvisel
