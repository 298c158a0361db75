// SPDX-License-Identifier: GPL-3.0-or-later
#include "json/SiteTemplateJson.h"

#include "fields/SiteFields.h"
#include "json/JsonRecordReader.h"
#include "json/ProjectJson.h"

namespace korvisel {
namespace {

using Reader = TJsonRecordReader;

std::string Dumped(const Json& j) {
    // Texts typed by a user are UTF-8 already; anything else is shown, not refused, on the way out.
    return j.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}

const Json& ArrayField(Reader& r, const std::string& key, std::size_t most) {
    const Json& list = r.Field(key);
    if (!list.is_array())
        Reader::Fail(r.Name(key), "must be a list");
    if (list.size() > most)
        Reader::Fail(r.Name(key), "has " + std::to_string(list.size()) + " entries; a template has at most " +
                                      std::to_string(most));
    return list;
}

TTemplateField FieldFromJson(Reader& r) {
    TTemplateField field{r.String("Field"), r.String("Label"), std::nullopt};
    if (r.Has("Default"))
        field.Default = r.String("Default");
    r.Done();
    return field;
}

} // namespace

std::string SiteTemplateToJson(const TSiteTemplate& siteTemplate) {
    Json j = Json::object();
    j["Format"] = TemplateFormat;
    j["Name"] = siteTemplate.Name;
    Json& fields = j["Fields"] = Json::array();
    for (const TTemplateField& field : siteTemplate.Fields) {
        Json entry = {{"Field", field.Field}, {"Label", field.Label}};
        if (field.Default)
            entry["Default"] = *field.Default;
        fields.push_back(std::move(entry));
    }
    j["Project"] = Json::parse(ProjectToJson(siteTemplate.Project));
    return Dumped(j);
}

TResult<TSiteTemplate> SiteTemplateFromJson(const std::string& text) {
    using Failed = TResult<TSiteTemplate>;
    if (const std::size_t nul = text.find('\0'); nul != std::string::npos)
        return Failed::Failure("a NUL byte at byte " + std::to_string(nul + 1) + " of the text");
    JsonShape shape;
    if (!Json::sax_parse(text, &shape))
        return Failed::Failure(shape.Problem.empty() ? std::string("not valid JSON") : shape.Problem);
    const Json root = Json::parse(text, nullptr, false);
    if (root.is_discarded())
        return Failed::Failure("not valid JSON");
    TSiteTemplate read;
    TWarnings warnings;
    try {
        Reader r(root, "", warnings);
        if (r.String("Format") != TemplateFormat)
            Reader::Fail("Format", std::string("is not \"") + TemplateFormat +
                                       "\": not a template file of this program");
        read.Name = r.String("Name");
        const Json& fields = ArrayField(r, "Fields", SiteFields().size());
        for (std::size_t n = 0; n < fields.size(); ++n) {
            Reader entry = r.Record(fields[n], "Fields[" + std::to_string(n + 1) + "]");
            read.Fields.push_back(FieldFromJson(entry));
        }
        if (const std::optional<std::string> problem =
                ProjectFromJson(r.Field("Project").dump(), read.Project))
            return Failed::Failure("Project." + *problem);
        r.Done();
    } catch (const TJsonError& error) {
        return Failed::Failure(error.Message);
    }
    if (const TResult<> checked = CheckSiteTemplate(read); !checked.Ok())
        return Failed::Failure(checked.Reason());
    return read;
}

Json SiteOriginJson(const TSiteOrigin& origin) {
    Json values = Json::object();
    for (const auto& [field, value] : origin.Values)
        values[field] = value;
    return {{"Name", origin.Template}, {"Site", origin.Site}, {"Values", values}};
}

TSiteOrigin SiteOriginFromJson(const Json& object, const std::string& path) {
    TWarnings warnings;
    Reader r(object, path, warnings);
    TSiteOrigin origin{r.String("Name"), r.String("Site"), {}};
    if (origin.Template.empty())
        Reader::Fail(r.Name("Name"), "is empty: a project made from a template names it");
    const Json& values = r.Field("Values");
    if (!values.is_object())
        Reader::Fail(r.Name("Values"), "must be an object");
    for (const auto& [field, value] : values.items()) {
        const std::string name = r.Name("Values") + "." + field;
        if (!FindSiteField(field))
            Reader::Fail(name, "is no site field");
        if (!value.is_string())
            Reader::Fail(name, "must be a string");
        origin.Values.emplace_back(field, value.get<std::string>());
    }
    r.Done();
    return origin;
}

} // namespace korvisel
