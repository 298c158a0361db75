// SPDX-License-Identifier: GPL-3.0-or-later
#include "json/ProjectDiff.h"

#include "fields/DeviceImage.h"
#include "json/ProjectJson.h"

#include <nlohmann/json.hpp>

namespace korvisel {
namespace {

using Json = nlohmann::ordered_json;

// The project as a device holds it: packed into an image and read back.
Json AsDeviceHolds(const TProjectInfo& project) {
    TProjectInfo packed = project;
    TDeviceImage image{};
    PackImage(packed, image);
    TProjectInfo held;
    UnpackImage(image, held);
    return Json::parse(ProjectToJson(held));
}

// Values as JSON writes them: strings quoted with every control byte escaped, so nothing a file
// holds can reach the terminal raw.
std::string Shown(const Json* value) {
    return value ? value->dump(-1, ' ', true, Json::error_handler_t::replace) : "(not used)";
}

struct Walk {
    std::vector<TFieldDifference> differences;

    void Compare(const std::string& path, const Json* a, const Json* b) {
        if (a && b && a->is_object() && b->is_object()) {
            for (const auto& [key, value] : a->items())
                Compare(Field(path, key), &value, b->contains(key) ? &b->at(key) : nullptr);
            for (const auto& [key, value] : b->items())
                if (!a->contains(key))
                    Compare(Field(path, key), nullptr, &value);
            return;
        }
        if (a && b && a->is_array() && b->is_array()) {
            for (std::size_t i = 0; i < std::max(a->size(), b->size()); ++i)
                Compare(path + "[" + std::to_string(i + 1) + "]", i < a->size() ? &a->at(i) : nullptr,
                        i < b->size() ? &b->at(i) : nullptr);
            return;
        }
        if (a && b && *a == *b)
            return;
        differences.push_back({path, Shown(a), Shown(b)});
    }

    static std::string Field(const std::string& path, const std::string& key) {
        return path.empty() ? key : path + "." + key;
    }
};

} // namespace

std::vector<TFieldDifference> FieldDifferences(const TProjectInfo& first, const TProjectInfo& second) {
    const Json a = AsDeviceHolds(first);
    const Json b = AsDeviceHolds(second);
    Walk walk;
    walk.Compare("", &a, &b);
    return walk.differences;
}

std::vector<std::string> ProjectDifferences(const TProjectInfo& first, const TProjectInfo& second,
                                            std::string_view firstLabel, std::string_view secondLabel) {
    std::vector<std::string> lines;
    for (const TFieldDifference& d : FieldDifferences(first, second))
        lines.push_back(d.Field + ": " + std::string(firstLabel) + " " + d.First + ", " +
                        std::string(secondLabel) + " " + d.Second);
    return lines;
}

} // namespace korvisel
