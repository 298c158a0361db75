// SPDX-License-Identifier: GPL-3.0-or-later
// What an operation that can fail gives back: its value, or the reason it failed, in words for the
// user (the operating system's reason, a line of the command's own). One type for every such
// operation, so a caller always asks Ok() and shows Reason() the same way.
#pragma once

#include <optional>
#include <string>
#include <utility>

namespace korvisel {

template <typename T = void> class TResult {
public:
    TResult(T value) : value_(std::move(value)) {}
    static TResult Failure(std::string reason) {
        TResult result;
        result.reason_ = std::move(reason);
        return result;
    }

    bool Ok() const { return value_.has_value(); }
    // Only when Ok().
    const T& Value() const& { return *value_; }
    T&& Value() && { return std::move(*value_); }
    // Empty when Ok().
    const std::string& Reason() const { return reason_; }

private:
    TResult() = default;
    std::optional<T> value_;
    std::string reason_;
};

template <> class TResult<void> {
public:
    TResult() = default;
    static TResult Failure(std::string reason) {
        TResult result;
        result.ok_ = false;
        result.reason_ = std::move(reason);
        return result;
    }

    bool Ok() const { return ok_; }
    const std::string& Reason() const { return reason_; }

private:
    bool ok_ = true;
    std::string reason_;
};

} // namespace korvisel
