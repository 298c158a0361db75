// SPDX-License-Identifier: GPL-3.0-or-later
#include "fields/SiteTemplate.h"

#include "core/SafeText.h"
#include "fields/SiteFields.h"

#include <algorithm>
#include <set>

namespace korvisel {
namespace {

const std::string* ValueOf(const TSiteValues& values, const std::string& field) {
    const auto found =
        std::find_if(values.begin(), values.end(), [&](const auto& value) { return value.first == field; });
    return found == values.end() ? nullptr : &found->second;
}

bool HasField(const TSiteTemplate& siteTemplate, const std::string& name) {
    return std::any_of(siteTemplate.Fields.begin(), siteTemplate.Fields.end(),
                       [&](const TTemplateField& field) { return field.Field == name; });
}

} // namespace

TSiteTemplate TemplateOfProject(const TProjectInfo& project, std::string name) {
    TSiteTemplate made{std::move(name), {}, project};
    for (const TSiteField& field : SiteFields())
        if (SiteFieldUsed(field, project))
            made.Fields.push_back({field.Name, field.Name, std::nullopt});
    return made;
}

TResult<> CheckSiteTemplate(const TSiteTemplate& siteTemplate) {
    if (siteTemplate.Name.empty())
        return TResult<>::Failure("the template has no name");
    if (Utf8Length(siteTemplate.Name) > TemplateNameLimit)
        return TResult<>::Failure("the template's name is longer than " + std::to_string(TemplateNameLimit) +
                                  " characters");
    std::set<std::string> seen;
    for (const TTemplateField& field : siteTemplate.Fields) {
        const auto refused = [&](const std::string& why) {
            return TResult<>::Failure(field.Field + ": " + why);
        };
        const std::optional<TSiteField> known = FindSiteField(field.Field);
        if (!known)
            return refused("no site field has this name");
        if (!seen.insert(field.Field).second)
            return refused("the template names the field twice");
        if (!SiteFieldUsed(*known, siteTemplate.Project))
            return refused("the report kind of this record does not use the field");
        if (Utf8Length(field.Label) > TemplateLabelLimit)
            return refused("the label is longer than " + std::to_string(TemplateLabelLimit) + " characters");
        if (field.Default)
            if (const auto problem = SiteValueProblem(siteTemplate, field, *field.Default))
                return refused("the default " + *problem);
    }
    return {};
}

std::string TemplateValue(const TSiteTemplate& siteTemplate, const TTemplateField& field) {
    if (field.Default)
        return *field.Default;
    const std::optional<TSiteField> known = FindSiteField(field.Field);
    return known ? SiteFieldValue(*known, siteTemplate.Project) : std::string{};
}

TSiteProject ApplySiteValues(const TSiteTemplate& siteTemplate, const TSiteValues& values) {
    TSiteProject made{siteTemplate.Project, {}};
    for (const auto& [name, value] : values)
        if (!HasField(siteTemplate, name))
            made.Problems.push_back({name, "the template leaves no such field to its sites"});
    for (const TTemplateField& field : siteTemplate.Fields) {
        const std::string* given = ValueOf(values, field.Field);
        const std::string* value = given && !given->empty() ? given
                                   : field.Default          ? &*field.Default
                                                            : nullptr;
        const std::optional<TSiteField> known = FindSiteField(field.Field);
        if (!value || !known)
            continue;
        if (const TResult<> set = SetSiteField(*known, made.Project, *value); !set.Ok())
            made.Problems.push_back({field.Field, set.Reason()});
    }
    return made;
}

std::optional<std::string> SiteValueProblem(const TSiteTemplate& siteTemplate, const TTemplateField& field,
                                            const std::string& value) {
    const std::optional<TSiteField> known = FindSiteField(field.Field);
    if (!known)
        return "names no site field";
    TProjectInfo scratch = siteTemplate.Project;
    if (const TResult<> set = SetSiteField(*known, scratch, value); !set.Ok())
        return set.Reason();
    return std::nullopt;
}

} // namespace korvisel
