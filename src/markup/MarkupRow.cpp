// SPDX-License-Identifier: GPL-3.0-or-later
#include "markup/MarkupRow.h"

namespace korvisel {
namespace {

char Digit(int value) {
    return static_cast<char>('0' + value % 10);
}

} // namespace

TMarkupRow& TMarkupRow::Code(char group, char letter) {
    text_ += '/';
    text_ += group;
    text_ += letter;
    return *this;
}

TMarkupRow& TMarkupRow::Text(std::string_view text) {
    text_ += text;
    return *this;
}

std::string MarkupLiteral(std::string_view text) {
    std::string out;
    for (char c : text)
        (c == '/' ? out += "//" : out += c);
    return out;
}

TMarkupRow& TMarkupRow::Value(std::string_view text) {
    return Text(MarkupLiteral(text));
}

TMarkupRow& TMarkupRow::Append(const TMarkupRow& piece) {
    return Text(piece.text_);
}

TMarkupRow& TMarkupRow::Smaller(int points) {
    return Code('d', Digit(points));
}

TMarkupRow& TMarkupRow::Larger(int points) {
    return Code('z', Digit(points));
}

TMarkupRow& TMarkupRow::Bold() {
    return Code('s', 'b');
}

TMarkupRow& TMarkupRow::PlainStyle() {
    return Code('s', 'n');
}

TMarkupRow& TMarkupRow::Color(TMarkupColor c) {
    return Code('c', static_cast<char>(c));
}

TMarkupRow& TMarkupRow::ListColor() {
    return Code('c', 'n');
}

TMarkupRow& TMarkupRow::FramesInTextColor() {
    return Code('c', 't');
}

// Three codes, one per decimal digit: hundreds, tens, units.
TMarkupRow& TMarkupRow::Column(int x) {
    return Code('i', Digit(x / 100)).Code('n', Digit(x / 10)).Code('p', Digit(x));
}

TMarkupRow& TMarkupRow::Nudge(int pixel) {
    return Code('i', pixel < 0 ? '-' : '+');
}

TMarkupRow& TMarkupRow::Anchor() {
    return Code('i', 'c');
}

TMarkupRow& TMarkupRow::SwapEdges() {
    return Code('i', 'x');
}

TMarkupRow& TMarkupRow::Cell() {
    return Code('i', 'e');
}

TMarkupRow& TMarkupRow::Cell(int fixed, int moving) {
    return Column(fixed).Anchor().Column(moving).Cell();
}

TMarkupRow& TMarkupRow::AlignLeft() {
    return Code('a', 'l');
}

TMarkupRow& TMarkupRow::AlignCentre() {
    return Code('a', 'e');
}

TMarkupRow& TMarkupRow::CentreRow() {
    return Code('a', 'c');
}

TMarkupRow& TMarkupRow::Frame(TFrame frame) {
    return Code('p', static_cast<char>(frame));
}

} // namespace korvisel
