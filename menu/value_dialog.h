#pragma once

#include <string>

#include "model/band_code.h"
#include "model/value_entry.h"
#include "platform/dialog.h"

namespace kolvar {

// A value typed as an engineer writes it (4,7 кОм, 4K7J, an SMD marking) becomes bands. The
// dialog says what it understood while the user types; OK applies it, the text's second reading
// or the nearest standard value can be taken in one step, and Cancel changes nothing.
class CValueDialog : public CDialog {
public:
    // Opens with `text` in its field, selected as asked.
    CValueDialog(const BandCode& current, std::string text, TextSelection selection,
                 CWnd* parent = nullptr);

    // The bands chosen, once the dialog has ended with IDOK.
    const BandCode& chosen() const { return chosen_; }

    static const MessageMap* ClassMessageMap();

protected:
    const MessageMap* GetMessageMap() const override { return ClassMessageMap(); }
    bool OnInitDialog() override;
    void OnOK() override;

private:
    void OnTextChange();
    void OnSecondReading();
    void OnStandardValue();

    void ShowChoice(int buttonId, const std::optional<ValueChoice>& choice, unsigned noneTextId);
    void Choose(const BandCode& code);

    BandCode current_;
    std::string text_;
    TextSelection selection_;
    ValueEntry entry_;
    BandCode chosen_;
};

}  // namespace kolvar
