// SPDX-License-Identifier: GPL-3.0-or-later
// The template file: one JSON object holding the template's name, the fields it leaves to each site
// (with their labels and defaults) and its project in the JSON project format; and the "Template"
// object of a JSON project made from one.
#pragma once

#include "fields/SiteTemplate.h"
#include "json/JsonShape.h"

#include <optional>
#include <string>

namespace korvisel {

// The value of a template file's "Format" field: a later format gets a number of its own.
inline constexpr char TemplateFormat[] = "korvisel template 1";

std::string SiteTemplateToJson(const TSiteTemplate& siteTemplate);

// Reads any bytes: a failure names the field and why, and the template is checked as a whole
// (CheckSiteTemplate) before it is given back.
TResult<TSiteTemplate> SiteTemplateFromJson(const std::string& text);

// The "Template" object of a JSON project.
Json SiteOriginJson(const TSiteOrigin& origin);
// Throws TJsonError naming the field when the object is not one.
TSiteOrigin SiteOriginFromJson(const Json& object, const std::string& path);

} // namespace korvisel
