// SPDX-License-Identifier: GPL-3.0-or-later
#include "markup/Markup.h"

#include "core/AsciiText.h"

#include <algorithm>
#include <cstdlib>

namespace korvisel {
namespace {

// Code numbers. Digit codes take ten consecutive numbers, letter ranges consecutive numbers too.
enum Code : int {
    None = 0,
    DoubleSlash,
    IPlus,
    IMinus,
    IDigit,               // I0 ... I9
    NDigit = IDigit + 10, // N0 ... N9
    PDigit = NDigit + 10, // P0 ... P9
    IC = PDigit + 10,
    IX,
    IR,
    IE,
    ID,
    AL,
    AE,
    AI,
    AC,
    AR,
    PA, // PA ... PL
    PM = PA + 12,
    PP,
    PR,
    PT,
    CA, // CA ... CT
    NC = CA + 20,
    SB,
    SI,
    SU,
    SS,
    SV,
    SL,
    SN,
    NS,
    ZPlus,
    ZMinus,
    ZDigit, // Z0 ... Z9
    ZN = ZDigit + 10,
    NZ,
    DDigit, // D1 ... D9 (D0 is not a code)
};

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsFrame(int code) {
    return code >= PA && code <= PT;
}

bool IsRaising(int code) {
    return (code >= PDigit && code < PDigit + 10) || IsFrame(code);
}

constexpr TRgb Colors[20] = {
    0x00FFFF, 0x0000FF, 0x000000, 0x808080, 0xFFFFFF, 0xFF00FF, 0x008000, 0x000080, 0xC0C0C0, 0xFFFF00,
    0x808080, 0x00FF00, 0x800000, 0,        0x808000, 0x800080, 0x008080, 0xFF0000, 0xC0C0C0, 0,
};

// The code at the start of `s` (which starts with a slash) and how many characters it takes.
struct Token {
    int Code;
    std::size_t Length;
};

Token NextCode(std::string_view s) {
    if (s.size() >= 2 && s[1] == '/')
        return {DoubleSlash, 2};
    return {DecodeMarkupCode(s.substr(0, 3)), std::min<std::size_t>(3, s.size())};
}

// Applies the font codes; true when the code was one of them.
bool ApplyFontCode(int code, TMarkupFont& font, const TMarkupFont& list) {
    if (code >= CA && code < CA + 20 && code != CA + 13 && code != CA + 19) {
        font.Color = Colors[code - CA];
    } else if (code == CA + 13 || code == NC) {
        font.Color = list.Color;
    } else if (code == SB || code == SI || code == SU) {
        (code == SB ? font.Bold : code == SI ? font.Italic : font.Underline) = true;
    } else if (code == SS || code == SV || code == SL) {
        (code == SS ? font.Bold : code == SV ? font.Italic : font.Underline) = false;
    } else if (code == SN || code == NS) {
        font.Bold = list.Bold;
        font.Italic = list.Italic;
        font.Underline = list.Underline;
    } else if (code == ZPlus) {
        font.Size += 1;
    } else if (code == ZMinus) {
        font.Size -= 1;
    } else if (code >= ZDigit && code < ZDigit + 10) {
        font.Size += code - ZDigit;
    } else if (code == ZN || code == NZ) {
        font.Size = list.Size;
    } else if (code >= DDigit && code < DDigit + 9) {
        font.Size -= code - DDigit + 1;
    } else {
        return false;
    }
    return true;
}

// The points of each frame code, given W, O, T and B - 1; a pair of points listed twice is drawn
// out and back.
std::vector<std::vector<TPoint>> FramePolylines(int code, int W, int O, int T, int B1) {
    switch (code - PA) {
    case 0:
        return {{{O, T + 1}, {O, T}, {O, B1}, {W, B1}, {W, T}, {W, T + 1}}};
    case 1:
        return {{{O, B1}, {W, B1}, {O, B1}}};
    case 2:
        return {{{W + 1, B1}, {W, B1}, {O, B1}, {O, T}, {W, T}, {W + 1, T}}};
    case 3:
        return {{{W, B1 - 2}, {W, B1}, {W, T}, {O, T}, {O, B1}, {O, B1 - 2}}};
    case 4:
        return {{{O - 1, B1}, {O, B1}, {W, B1}, {W, T}, {O, T}, {O - 1, T}}};
    case 5:
        return {{{W + 1, B1}, {W, B1}, {O, B1}, {O, T}, {O, T - 1}}};
    case 6:
        return {{{W, B1 - 1}, {W, B1}, {W, T}, {O, T}, {O - 1, T}}};
    case 7:
        return {{{W + 1, T}, {W, T}, {O, T}, {O, B1}, {O, B1 - 1}}};
    case 8:
        return {{{O - 1, T}, {O, T}, {W, T}, {W, B1}, {W, B1 - 1}}};
    case 9:
        return {{{W, T}, {O, T}, {W, T}}, {{O, B1}, {W, B1}, {O, B1}}};
    case 10:
        return {{{W, T}, {W, B1}, {W, T}}, {{O, T}, {O, B1}, {O, T}}};
    case 11:
        return {{{W, T}, {W, B1}, {W, T}}};
    case PP - PA:
        return {{{O, T}, {O, B1}, {O, T}}};
    case PR - PA:
        return {{{W, T}, {W, B1}, {O, B1}, {O, T}, {W, T}}};
    case PT - PA:
        return {{{W, T}, {O, T}, {W, T}}};
    default:
        return {}; // /PM draws nothing
    }
}

} // namespace

int DecodeMarkupCode(std::string_view code) {
    if (code.size() < 3 || code[0] != '/')
        return None;
    const char a = AsciiUpper(code[1]);
    const char b = AsciiUpper(code[2]);
    if (a == '/')
        return DoubleSlash;
    if (IsDigit(b)) {
        const int n = b - '0';
        switch (a) {
        case 'I':
            return IDigit + n;
        case 'N':
            return NDigit + n;
        case 'P':
            return PDigit + n;
        case 'Z':
            return ZDigit + n;
        case 'D':
            return n == 0 ? None : DDigit + n - 1;
        default:
            return None;
        }
    }
    switch (a) {
    case 'I':
        switch (b) {
        case '+':
            return IPlus;
        case '-':
            return IMinus;
        case 'C':
            return IC;
        case 'X':
            return IX;
        case 'R':
            return IR;
        case 'E':
            return IE;
        case 'D':
            return ID;
        }
        return None;
    case 'A':
        switch (b) {
        case 'L':
            return AL;
        case 'E':
            return AE;
        case 'I':
            return AI;
        case 'C':
            return AC;
        case 'R':
            return AR;
        }
        return None;
    case 'P':
        if (b >= 'A' && b <= 'L')
            return PA + (b - 'A');
        return b == 'M' ? PM : b == 'P' ? PP : b == 'R' ? PR : b == 'T' ? PT : None;
    case 'C':
        return (b >= 'A' && b <= 'T') ? CA + (b - 'A') : None;
    case 'N':
        return b == 'C' ? NC : b == 'S' ? NS : b == 'Z' ? NZ : None;
    case 'S':
        switch (b) {
        case 'B':
            return SB;
        case 'I':
            return SI;
        case 'U':
            return SU;
        case 'S':
            return SS;
        case 'V':
            return SV;
        case 'L':
            return SL;
        case 'N':
            return SN;
        }
        return None;
    case 'Z':
        return b == '+' ? ZPlus : b == '-' ? ZMinus : b == 'N' ? ZN : None;
    default:
        return None;
    }
}

int MeasureItemHeight(std::string_view item, int itemHeight) {
    int d = 0, m = 0;
    bool textSeen = false, framed = false;
    for (std::size_t slash; (slash = item.find('/')) != std::string_view::npos;) {
        if (slash > 0)
            textSeen = true;
        const Token token = NextCode(item.substr(slash));
        const int code = token.Code;
        if (code == DoubleSlash) {
            textSeen = true;
        } else if (code >= DDigit && code < DDigit + 9) {
            const int n = code - DDigit + 1;
            d -= n;
            if (!textSeen)
                m -= n;
        } else if (code == ZPlus || code == ZMinus || (code > ZDigit && code < ZDigit + 10)) {
            const int b = code == ZPlus ? 1 : code == ZMinus ? -1 : code - ZDigit;
            d += b;
            if (!textSeen)
                m += b;
        } else if (code == ZN) {
            d = 0;
            if (!textSeen)
                m = 0;
        } else if (code == NZ) {
            d = 0;
        } else if (IsFrame(code)) {
            framed = true;
        }
        m = std::max(m, d);
        item.remove_prefix(slash + token.Length);
    }
    return itemHeight + m + (framed ? 2 : 0);
}

TMarkupWidth MarkupTextWidth(std::string_view text, const TMarkupFont& style, const TMarkupFont& listFont,
                             IFontMetrics& metrics) {
    TMarkupFont font = style;
    font.Size = listFont.Size;
    TMarkupWidth result;
    for (std::size_t slash; (slash = text.find('/')) != std::string_view::npos;) {
        result.Width += metrics.TextWidth(text.substr(0, slash), font);
        const Token token = NextCode(text.substr(slash));
        if (token.Code == DoubleSlash) {
            result.Width += metrics.TextWidth("/", font);
        } else {
            if (IsRaising(token.Code))
                result.Raised = true;
            // Colours do not change a width; only style and size codes matter here.
            const TRgb color = font.Color;
            ApplyFontCode(token.Code, font, listFont);
            font.Color = color;
        }
        text.remove_prefix(slash + token.Length);
    }
    result.Width += metrics.TextWidth(text, font);
    return result;
}

TMarkupLayout LayoutMarkupItem(std::string_view item, const TRect& rect, const TMarkupFont& listFont,
                               TRgb penBefore, IFontMetrics& metrics) {
    enum class Align { None, Left, Centre, Right };
    TMarkupLayout layout;
    TMarkupFont font = listFont;
    TRgb pen = penBefore;
    int W = 0, O = 0;
    bool cell = false, lineStart = true;
    Align align = Align::None;
    const TMarkupWidth whole = MarkupTextWidth(item, font, listFont, metrics);
    const int tw = whole.Width;
    const bool raised = whole.Raised;
    int x = rect.Left;

    const auto write = [&](std::string_view segment) {
        if (align != Align::None) {
            const int w = MarkupTextWidth(segment, font, listFont, metrics).Width;
            if (align == Align::Left)
                x = std::min(W, O) + 2;
            else if (align == Align::Centre)
                x = std::min(W, O) + (std::abs(W - O) - w) / 2;
            else
                x = std::max(W, O) - w - 2;
        }
        if (segment.empty())
            return;
        const int y = rect.Bottom - metrics.TextHeight(segment, font) - (raised ? 1 : 0);
        layout.Texts.push_back({x, y, std::string(segment), font});
        x += metrics.TextWidth(segment, font);
    };

    for (std::size_t slash; (slash = item.find('/')) != std::string_view::npos;) {
        const std::string_view segment = item.substr(0, slash);
        if (!segment.empty())
            lineStart = false;
        write(segment);
        const Token token = NextCode(item.substr(slash));
        const int code = token.Code;
        if (code == DoubleSlash) {
            write("/");
        } else if (code == IPlus) {
            ++W;
        } else if (code == IMinus) {
            --W;
        } else if (code >= IDigit && code < IDigit + 10) {
            W = W % 100 + (code - IDigit) * 100;
        } else if (code >= NDigit && code < NDigit + 10) {
            W = W / 100 * 100 + (code - NDigit) * 10 + W % 10;
        } else if (code >= PDigit && code < PDigit + 10) {
            W = W / 10 * 10 + (code - PDigit);
        } else if (code == IC) {
            O = W;
        } else if (code == IX) {
            std::swap(W, O);
        } else if (code == IR) {
            W = 0;
        } else if (code == IE) {
            cell = true;
            x = std::min(W, O) + 2;
        } else if (code == ID) {
            cell = false;
            align = Align::None;
        } else if (code == AL || code == AE || code == AI) {
            if (cell)
                align = code == AL ? Align::Left : code == AE ? Align::Centre : Align::Right;
        } else if (code == AC) {
            if (lineStart)
                x = rect.Left + (rect.Right - rect.Left - tw) / 2 - 1;
        } else if (code == AR) {
            if (lineStart)
                x = rect.Right - tw - 1;
        } else if (IsFrame(code)) {
            for (auto& points : FramePolylines(code, W, O, rect.Top, rect.Bottom - 1))
                layout.Lines.push_back({std::move(points), pen});
        } else if (code == CA + 19) {
            pen = font.Color;
        } else {
            ApplyFontCode(code, font, listFont);
        }
        item.remove_prefix(slash + token.Length);
    }
    write(item);
    layout.PenAfter = pen;
    return layout;
}

std::vector<TRgb> StartPenColors(const std::vector<std::string>& items, TRgb listFontColor) {
    std::vector<TRgb> starts;
    starts.reserve(items.size());
    TRgb pen = 0x000000;
    TMarkupFont list;
    list.Color = listFontColor;
    for (const std::string& row : items) {
        starts.push_back(pen);
        TMarkupFont font = list;
        std::string_view item = row;
        for (std::size_t slash; (slash = item.find('/')) != std::string_view::npos;) {
            const Token token = NextCode(item.substr(slash));
            if (token.Code == CA + 19)
                pen = font.Color;
            else
                ApplyFontCode(token.Code, font, list);
            item.remove_prefix(slash + token.Length);
        }
    }
    return starts;
}

std::string MarkupPlainText(std::string_view item) {
    std::string text;
    for (std::size_t slash; (slash = item.find('/')) != std::string_view::npos;) {
        text += item.substr(0, slash);
        const Token token = NextCode(item.substr(slash));
        if (token.Code == DoubleSlash)
            text += '/';
        item.remove_prefix(slash + token.Length);
    }
    return text += item;
}

std::string MarkupReadableText(std::string_view item) {
    std::string text;
    bool newCell = false;
    const auto append = [&](std::string_view segment) {
        if (segment.empty())
            return;
        if (newCell && !text.empty() && text.back() != ' ')
            text += "  ";
        newCell = false;
        text += segment;
    };
    for (std::size_t slash; (slash = item.find('/')) != std::string_view::npos;) {
        append(item.substr(0, slash));
        const Token token = NextCode(item.substr(slash));
        const int code = token.Code;
        if (code == DoubleSlash)
            append("/");
        else if (code == IE || code == IX || code == ID || code == AL || code == AE || code == AI ||
                 IsFrame(code))
            newCell = true;
        item.remove_prefix(slash + token.Length);
    }
    append(item);
    while (!text.empty() && text.back() == ' ')
        text.pop_back();
    return text;
}

} // namespace korvisel
