#include "editor/PhoneGrids.h"

namespace korvisel {

std::string PhoneGridNumberText(const TProjectInfo& project, int k, const TLanguageTexts& texts) {
    const TPhoneInfo& entry = project.Phones[static_cast<std::size_t>(k)];
    if (!entry.Empty && !entry.Number.empty())
        return entry.Number;
    return texts.Text("U3_PHONE") + std::to_string(k) + " - " + texts.Text("PRINF_Z_PHONENUM");
}

TClipGridAction ClipGridDoubleClick(TProjectInfo& project, IPhoneDialog& dialog, int input, int row,
                                    int column) {
    if (!project.Inputs.Contains(static_cast<std::size_t>(input)) ||
        !project.Phones.Contains(static_cast<std::size_t>(row)))
        return TClipGridAction::Done;
    if (column == ClipColumn::Number)
        return TClipGridAction::EditPhoneBookEntry;
    if (column != ClipColumn::Event && column != ClipColumn::Restore)
        return TClipGridAction::Done;
    if (!IsPhonePresent(project, row)) {
        EditPhoneEntry(project, dialog, row, false);
        if (!IsPhonePresent(project, row))
            return TClipGridAction::Done;
    }
    TInputInfo& in = project.Inputs[static_cast<std::size_t>(input)];
    std::uint8_t& chosen = column == ClipColumn::Event ? in.ClipEventPhone : in.ClipRestorePhone;
    std::uint8_t& other = column == ClipColumn::Event ? in.ClipRestorePhone : in.ClipEventPhone;
    if (other == row)
        other = chosen;
    chosen = static_cast<std::uint8_t>(row);
    return TClipGridAction::Done;
}

} // namespace korvisel
