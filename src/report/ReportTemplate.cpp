// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/ReportTemplate.h"

namespace korvisel {
namespace {

constexpr double Left = 15;
constexpr double Width = 180;
constexpr double RowHeight = 7;

TTextStyle Style(double points, bool bold = false, TTextAlign align = TTextAlign::Left, bool wrap = false) {
    return {points, bold, align, wrap};
}

TTextItem Cell(double left, double width, std::string content, TTextStyle style) {
    return {{left, 0, width, RowHeight}, std::move(content), style, true};
}

// The cover: for official use at the top right, the device's caption in a box, the print data and
// the comment box.
TTemplatePage CoverPage() {
    TTemplatePage page;
    page.Lines.push_back({130, 25, 195, 25});
    page.Texts.push_back({{130, 26, 65, 6}, "[DSP_VAR]", Style(9, false, TTextAlign::Center)});
    page.Boxes.push_back({Left, 55, Width, 40});
    page.Texts.push_back(
        {{Left + 3, 58, Width - 6, 34}, "[BCAPTION]", Style(20, true, TTextAlign::Center, true)});
    page.Texts.push_back({{Left, 110, Width, 8}, "[SERIAL]", Style(13)});
    page.Texts.push_back({{Left, 122, Width, 8}, "[FVERSION]", Style(13)});
    page.Texts.push_back({{Left, 134, Width, 8}, "[PSUPPLY]", Style(13)});
    page.Texts.push_back({{Left, 150, Width, 7}, "[COMMENT]", Style(12, true)});
    page.Boxes.push_back({Left, 158, Width, 50});
    page.Texts.push_back(
        {{Left + 3, 160, Width - 6, 46}, "[BASECOM]", Style(11, false, TTextAlign::Left, true)});
    return page;
}

// The settings sheet: the model and the sheet's number over a rule, the SIM data, the inputs and the
// phones.
TTemplatePage SettingsPage() {
    TTemplatePage page;
    page.Texts.push_back({{Left, 15, 150, 8}, "[KRVMODEL]", Style(12, true)});
    page.Texts.push_back({{165, 15, 30, 8}, "[LISTNUM]", Style(12, true, TTextAlign::Right)});
    page.Lines.push_back({Left, 24, Left + Width, 24});

    page.Texts.push_back({{Left, 30, Width, 6}, "[SIMPHONECAP] : ", Style(11, true)});
    page.Texts.push_back({{Left + 7, 36, Width - 7, 6}, "[SIMPHONEVAR]", Style(11)});
    page.Texts.push_back({{Left, 44, Width, 6}, "[SIMREGNCAP] : ", Style(11, true)});
    page.Texts.push_back({{Left + 7, 50, Width - 7, 6}, "[SIMREGNVAL]", Style(11)});
    page.Texts.push_back({{Left, 59, 89, 6}, "[BASECAPPIN]", Style(11, true)});
    page.Texts.push_back({{105, 59, 90, 6}, "[PINCODE]", Style(11)});
    page.Texts.push_back({{Left, 67, 89, 6}, "[SMSCENCAPPH] : ", Style(11, true)});
    page.Texts.push_back({{105, 67, 90, 6}, "[SMSCENTPH]", Style(11)});

    page.Texts.push_back({{Left, 80, Width, 7}, "[BASECAPINP]", Style(12, true)});
    page.Texts.push_back(
        {{Left, 88, 90, RowHeight}, "[BASEINTAB1]", Style(10, true, TTextAlign::Center), true});
    page.Texts.push_back(
        {{105, 88, 90, RowHeight}, "[BASEINTAB2]", Style(10, true, TTextAlign::Center), true});
    page.Bands.push_back({TRowSource::Inputs,
                          95,
                          RowHeight,
                          {Cell(Left, 90, "[INNUMBER]", Style(10)), Cell(105, 90, "[INCON]", Style(10))}});

    page.Texts.push_back({{Left, 132, Width, 7}, "[BASECAPPHON]", Style(12, true)});
    page.Texts.push_back({{Left, 140, 15, RowHeight}, "", Style(10), true});
    page.Texts.push_back(
        {{30, 140, 90, RowHeight}, "[BASEPHONTAB1]", Style(10, true, TTextAlign::Center), true});
    page.Texts.push_back(
        {{120, 140, 75, RowHeight}, "[BASEPHONTAB2]", Style(10, true, TTextAlign::Center), true});
    page.Bands.push_back({TRowSource::Phones,
                          147,
                          RowHeight,
                          {Cell(Left, 15, "[PHLINE]", Style(10, false, TTextAlign::Center)),
                           Cell(30, 90, "[PHONE]", Style(10)), Cell(120, 75, "[PHSTATUS]", Style(10))}});
    return page;
}

} // namespace

const TReportTemplate& ConfigurationReport() {
    static const TReportTemplate report = [] {
        TReportTemplate t;
        t.Pages = {CoverPage(), SettingsPage()};
        return t;
    }();
    return report;
}

} // namespace korvisel
