#include "menu/value_dialog.h"

#include <utility>

#include "resources/resource_ids.h"
#include "resources/string_table.h"

namespace kolvar {

CValueDialog::CValueDialog(const BandCode& current, std::string text, TextSelection selection,
                           CWnd* parent)
    : CDialog(IDD_VALUE, parent),
      current_(current),
      text_(std::move(text)),
      selection_(selection),
      chosen_(current) {}

const MessageMap* CValueDialog::ClassMessageMap() {
    static constexpr MessageMapEntry kEntries[] = {
        OnEnChange<IDC_VALUE_TEXT, &CValueDialog::OnTextChange>(),
        OnCommand<IDC_SECOND_READING, &CValueDialog::OnSecondReading>(),
        OnCommand<IDC_STANDARD_VALUE, &CValueDialog::OnStandardValue>(),
    };
    static constexpr MessageMap kMap{&CDialog::ClassMessageMap, kEntries};
    return &kMap;
}

// The field has the focus: the dialog manager is not to give it to the first control.
bool CValueDialog::OnInitDialog() {
    CDialog::OnInitDialog();
    SetDlgItemText(IDC_VALUE_TEXT, text_);
    OnTextChange();
    GotoDlgCtrl(IDC_VALUE_TEXT, selection_);
    return false;
}

// Enter reaches here also while the text gives no bands.
void CValueDialog::OnOK() {
    if (entry_.code) {
        Choose(*entry_.code);
    }
}

void CValueDialog::OnTextChange() {
    entry_ = EnterValue(GetDlgItemText(IDC_VALUE_TEXT), current_);
    SetDlgItemText(IDC_VALUE_READING, entry_.description);
    ShowChoice(IDC_SECOND_READING, entry_.secondReading, ID_ENTRY_NO_SECOND_READING);
    ShowChoice(IDC_STANDARD_VALUE, entry_.standardValue, ID_ENTRY_NO_STANDARD_VALUE);
    EnableDlgItem(IDOK, entry_.code.has_value());
}

void CValueDialog::OnSecondReading() {
    if (entry_.secondReading) {
        Choose(entry_.secondReading->code);
    }
}

void CValueDialog::OnStandardValue() {
    if (entry_.standardValue) {
        Choose(entry_.standardValue->code);
    }
}

void CValueDialog::ShowChoice(int buttonId, const std::optional<ValueChoice>& choice,
                              unsigned noneTextId) {
    SetDlgItemText(buttonId, choice ? choice->label : std::string(LoadText(noneTextId)));
    EnableDlgItem(buttonId, choice.has_value());
}

void CValueDialog::Choose(const BandCode& code) {
    chosen_ = code;
    EndDialog(IDOK);
}

}  // namespace kolvar
