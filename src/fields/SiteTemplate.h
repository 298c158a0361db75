// SPDX-License-Identifier: GPL-3.0-or-later
// A company's standard configuration and the few settings it leaves to each site (the phone numbers,
// the SMS texts naming the site, the PIN, the Contact ID object), and what a project made from one
// remembers of it.
#pragma once

#include "core/PrjTypes.h"
#include "core/Result.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace korvisel {

struct TTemplateField {
    std::string Field; // a site field's name: "Phones[1].Number", "Inputs[2].SmsEventText", "Pin"
    std::string Label; // what the installer is asked for it
    // The value offered for every site; without one the template project's own value stands.
    std::optional<std::string> Default;

    bool operator==(const TTemplateField&) const = default;
};

struct TSiteTemplate {
    std::string Name;
    std::vector<TTemplateField> Fields;
    TProjectInfo Project;
};

// A site field's value as given for one site, by its name.
using TSiteValues = std::vector<std::pair<std::string, std::string>>;

// The template a project was made from and the values given for its site; kept by the JSON project
// format (a .KV690 file has no room for it) and handed to whoever records what went into a device.
struct TSiteOrigin {
    std::string Template; // its name; empty: the project was not made from a template
    std::string Site;
    TSiteValues Values;

    bool operator==(const TSiteOrigin&) const = default;
};

// Longest template name and label: a line of a dialog, and a file name with room to spare.
constexpr std::size_t TemplateNameLimit = 80;
constexpr std::size_t TemplateLabelLimit = 80;

// Every site field the project's report kinds use, labelled with its name and without defaults: a
// project file taken as a template.
TSiteTemplate TemplateOfProject(const TProjectInfo& project, std::string name);

// Why the template cannot be kept or used, naming the field: no name, a name or label too long, a
// field no site has, one named twice, one its record's report kind does not use, a default its page
// would refuse.
TResult<> CheckSiteTemplate(const TSiteTemplate& siteTemplate);

// The value a site gets for the field when none is given: its default, or the template project's own.
std::string TemplateValue(const TSiteTemplate& siteTemplate, const TTemplateField& field);

struct TSiteValueProblem {
    std::string Field;
    std::string Why;

    bool operator==(const TSiteValueProblem&) const = default;
};

struct TSiteProject {
    TProjectInfo Project;
    std::vector<TSiteValueProblem>
        Problems; // each value its page would refuse, or a field not in the template
};

// The template's project with the site's values set as a sites table's cells set them: an empty
// value keeps the template's value, a single "-" clears the field. A refused value leaves the field
// as the template has it and is told.
TSiteProject ApplySiteValues(const TSiteTemplate& siteTemplate, const TSiteValues& values);

// Why the value cannot stand for the field, as its page would say, or nothing.
std::optional<std::string> SiteValueProblem(const TSiteTemplate& siteTemplate, const TTemplateField& field,
                                            const std::string& value);

} // namespace korvisel
