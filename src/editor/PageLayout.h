// SPDX-License-Identifier: GPL-3.0-or-later
// Where the editing pages put what moves with the language: a centred title, and the rows of the
// input time page, whose labels make room for long texts.
#pragma once

namespace korvisel {

// The left edge of a title centred in its panel.
constexpr int CenteredLeft(int panelWidth, int textWidth) {
    return (panelWidth - textWidth) / 2;
}

// The time page's columns at design size.
namespace TimeColumns {
constexpr int Label = 25;
constexpr int Whole = 190;
constexpr int Comma = 285;
constexpr int Fraction = 296;
constexpr int UpDown = 336;
constexpr int Unit = 367;
} // namespace TimeColumns

struct TTimeRowLayout {
    int LabelX = TimeColumns::Label;
    int EditShift = 0; // how far the edits and the commas move right
};

// With `widestLabel` the widest of the three row labels: the labels move left to keep a 6-pixel gap
// before the edits, down to x = 8; past that the edits move right, by at most 20 pixels.
TTimeRowLayout TimeRowLayout(int widestLabel);

} // namespace korvisel
