// SPDX-License-Identifier: GPL-3.0-or-later
// A first look at a JSON text before it is read: no nesting deeper than a project has, and no key
// twice in one object (a reader would silently keep one of them). Walks the text without building it.
#pragma once

#include <nlohmann/json.hpp>

#include <set>
#include <string>
#include <vector>

namespace korvisel {

using Json = nlohmann::ordered_json;

// Deeper than any project goes, and far shallower than would take the reader's stack.
constexpr std::size_t MaximumDepth = 8;

class JsonShape : public nlohmann::json_sax<Json> {
public:
    std::string Problem;

    bool null() override { return Value(); }
    bool boolean(bool) override { return Value(); }
    bool number_integer(number_integer_t) override { return Value(); }
    bool number_unsigned(number_unsigned_t) override { return Value(); }
    bool number_float(number_float_t, const string_t&) override { return Value(); }
    bool string(string_t&) override { return Value(); }
    bool binary(binary_t&) override { return Value(); }
    bool start_object(std::size_t) override { return Open(true); }
    bool start_array(std::size_t) override { return Open(false); }
    bool end_object() override { return Close(); }
    bool end_array() override { return Close(); }
    bool key(string_t& name) override {
        Frame& frame = frames_.back();
        frame.Key = name;
        if (!frame.Keys.insert(name).second) {
            Problem = Path() + ": given twice, so which value is meant cannot be told";
            return false;
        }
        return true;
    }
    bool parse_error(std::size_t, const std::string&, const nlohmann::detail::exception&) override {
        return false;
    }

private:
    struct Frame {
        bool Object = false;
        std::set<std::string> Keys;
        std::string Key;
        long Index = -1;
    };

    bool Value() {
        if (!frames_.empty() && !frames_.back().Object)
            ++frames_.back().Index;
        return true;
    }
    bool Open(bool object) {
        Value();
        if (frames_.size() >= MaximumDepth) {
            Problem = (Path().empty() ? "the project" : Path()) + ": nested more than " +
                      std::to_string(MaximumDepth) + " levels deep, deeper than any project";
            return false;
        }
        frames_.push_back({object, {}, {}, -1});
        return true;
    }
    bool Close() {
        frames_.pop_back();
        return true;
    }
    // Where the walk is, as the field names of the errors read ("Inputs[2].Cid").
    std::string Path() const {
        std::string path;
        for (const Frame& frame : frames_) {
            if (frame.Object && !frame.Key.empty())
                path += (path.empty() ? "" : ".") + frame.Key;
            else if (!frame.Object && frame.Index >= 0)
                path += "[" + std::to_string(frame.Index + 1) + "]";
        }
        return path;
    }

    std::vector<Frame> frames_;
};

} // namespace korvisel
