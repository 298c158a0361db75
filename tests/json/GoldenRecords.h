// SPDX-License-Identifier: GPL-3.0-or-later
// Golden records of the image codec and the JSON format, made once from random images and random
// projects and kept compressed under tests/data: each holds what packing, unpacking, writing and
// reading gave when it was made, so that any later codec must give the same bytes.
#pragma once

#include "fields/DeviceImage.h"
#include "json/ProjectJson.h"

#include "RandomImages.h"
#include "RandomProjects.h"

#include <zlib.h>

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

namespace korvisel::test {

struct TGoldenRecord {
    std::string Kind; // "image": unpacked from random bytes; "project": a random project
    std::uint32_t Seed = 0;
    std::string Packed; // hex of the image packed from the project
    std::string Json;   // the project as the JSON writer writes it
    std::string Read;   // reading that JSON back: hex of its packed image, or the reader's error
};

inline std::string Hex(const TDeviceImage& image) {
    static constexpr char Digits[] = "0123456789abcdef";
    std::string hex;
    for (const std::uint8_t byte : image) {
        hex += Digits[byte >> 4];
        hex += Digits[byte & 0x0F];
    }
    return hex;
}

// The project a record describes, made again from its seed.
inline TProjectInfo GoldenProject(const std::string& kind, std::uint32_t seed) {
    if (kind == "project")
        return RandomProjectMaker(seed).Make();
    std::mt19937 random(seed);
    TProjectInfo project;
    UnpackImage(RandomImage(random), project);
    return project;
}

// What the codec and the JSON format give for a record's project today.
inline TGoldenRecord MakeGoldenRecord(const std::string& kind, std::uint32_t seed) {
    const TProjectInfo project = GoldenProject(kind, seed);
    TGoldenRecord record{kind, seed, {}, ProjectToJson(project), {}};
    TDeviceImage image{};
    PackImage(project, image);
    record.Packed = Hex(image);
    TProjectInfo read;
    if (const auto error = ProjectFromJson(record.Json, read)) {
        record.Read = "error: " + *error;
    } else {
        PackImage(read, image);
        record.Read = Hex(image);
    }
    return record;
}

// Each field as its name, its length and its bytes, so that any bytes survive.
inline std::string Serialized(const TGoldenRecord& r) {
    std::string out = r.Kind + " " + std::to_string(r.Seed) + "\n";
    for (const std::string* field : {&r.Packed, &r.Json, &r.Read})
        out += std::to_string(field->size()) + "\n" + *field + "\n";
    return out;
}

inline std::optional<std::vector<TGoldenRecord>> ReadGoldenRecords(const std::string& gzipFile) {
    gzFile file = gzopen(gzipFile.c_str(), "rb");
    if (!file)
        return std::nullopt;
    std::string text;
    char buffer[65536];
    for (int n; (n = gzread(file, buffer, sizeof buffer)) > 0;)
        text.append(buffer, static_cast<std::size_t>(n));
    gzclose(file);
    std::vector<TGoldenRecord> records;
    std::size_t at = 0;
    const auto line = [&]() -> std::optional<std::string> {
        const std::size_t end = text.find('\n', at);
        if (end == std::string::npos)
            return std::nullopt;
        std::string found = text.substr(at, end - at);
        at = end + 1;
        return found;
    };
    while (at < text.size()) {
        const auto head = line();
        if (!head || head->find(' ') == std::string::npos)
            return std::nullopt;
        TGoldenRecord r;
        r.Kind = head->substr(0, head->find(' '));
        r.Seed = static_cast<std::uint32_t>(std::stoul(head->substr(head->find(' ') + 1)));
        for (std::string* field : {&r.Packed, &r.Json, &r.Read}) {
            const auto length = line();
            if (!length)
                return std::nullopt;
            const std::size_t size = std::stoul(*length);
            if (at + size + 1 > text.size())
                return std::nullopt;
            *field = text.substr(at, size);
            at += size + 1;
        }
        records.push_back(std::move(r));
    }
    return records;
}

} // namespace korvisel::test
