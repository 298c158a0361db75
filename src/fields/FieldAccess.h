// SPDX-License-Identifier: GPL-3.0-or-later
// The accessors of the field table's rows, made from the members they reach: numbers, flags and
// report kinds as whole numbers, texts and symbol arrays as text.
#pragma once

#include "fields/FieldTable.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <type_traits>

namespace korvisel::FieldAccess {

// Record n of a project, const or not as the project is.
template <typename Record, typename Project> auto& RecordOf(Project& p, std::size_t n) {
    if constexpr (std::is_same_v<Record, TInputInfo>)
        return p.Inputs[n];
    else if constexpr (std::is_same_v<Record, TOutputInfo>)
        return p.Outputs[n];
    else if constexpr (std::is_same_v<Record, TPhoneInfo>)
        return p.Phones[n];
    else
        return p;
}

template <auto Member> struct TMember;
template <typename R, typename V, V R::*M> struct TMember<M> {
    using Record = R;
    using Value = V;
};

template <auto Member, typename Project> auto& Value(Project& p, std::size_t n) {
    return RecordOf<typename TMember<Member>::Record>(p, n).*Member;
}

template <typename T> std::string AsText(const T& value) {
    if constexpr (std::is_same_v<T, TContactId>) {
        const auto symbols = value.Symbols();
        return std::string(symbols.begin(), symbols.end());
    } else {
        return std::string(value.begin(), value.end());
    }
}
template <typename T> void FromText(T& value, std::string_view text) {
    if constexpr (std::is_same_v<T, std::string>) {
        value = std::string(text);
    } else if constexpr (std::is_same_v<T, TContactId>) {
        std::array<char, TContactId::Length> symbols{};
        std::copy_n(text.begin(), std::min(text.size(), symbols.size()), symbols.begin());
        value.SetSymbols(symbols);
    } else {
        std::copy_n(text.begin(), std::min(text.size(), value.size()), value.begin());
    }
}

// A member of a record: a number when it is one (a flag, a byte, a report kind), else text.
template <auto Member> constexpr TFieldAccess Of() {
    using V = typename TMember<Member>::Value;
    if constexpr (std::is_arithmetic_v<V> || std::is_enum_v<V>)
        return {
            [](const TProjectInfo& p, std::size_t n) { return static_cast<long long>(Value<Member>(p, n)); },
            [](TProjectInfo& p, std::size_t n, long long v) { Value<Member>(p, n) = static_cast<V>(v); }};
    else
        return {nullptr, nullptr,
                [](const TProjectInfo& p, std::size_t n) { return AsText(Value<Member>(p, n)); },
                [](TProjectInfo& p, std::size_t n, std::string_view v) { FromText(Value<Member>(p, n), v); }};
}

// A phone entry's number: an empty entry holds none, and an entry is empty without one.
constexpr TFieldAccess PhoneNumberAccess() {
    return {nullptr, nullptr,
            [](const TProjectInfo& p, std::size_t k) {
                return p.Phones[k].Empty ? std::string() : p.Phones[k].Number;
            },
            [](TProjectInfo& p, std::size_t k, std::string_view v) {
                p.Phones[k].Number = std::string(v);
                p.Phones[k].Empty = v.empty();
            }};
}

// Whether input n confirms arming: the project names one input, or none.
constexpr TFieldAccess ArmConfirmAccess() {
    return {
        [](const TProjectInfo& p, std::size_t n) { return static_cast<long long>(p.ArmConfirmInput == n); },
        [](TProjectInfo& p, std::size_t n, long long v) {
            if (v)
                p.ArmConfirmInput = static_cast<std::uint8_t>(n);
        }};
}

constexpr TFieldAccess AudioAccess() {
    return {
        [](const TProjectInfo& p, std::size_t n) { return static_cast<long long>(p.AudioParams[n]); },
        [](TProjectInfo& p, std::size_t n, long long v) { p.AudioParams[n] = static_cast<std::uint8_t>(v); }};
}

} // namespace korvisel::FieldAccess
