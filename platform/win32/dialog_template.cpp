#include "platform/win32/dialog_template.h"

#include <string>

#include "platform/surface.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/windows_api.h"

namespace kolvar {
namespace {

constexpr std::uint16_t kButtonClass = 0x0080;
constexpr std::uint16_t kEditClass = 0x0081;
constexpr std::uint16_t kStaticClass = 0x0082;
constexpr unsigned kStaticTypeMask = 0x1F;

class TemplateWriter {
public:
    void Word(std::uint16_t word) { words_.push_back(word); }
    void Words(std::uint32_t value) {
        Word(static_cast<std::uint16_t>(value & 0xFFFF));
        Word(static_cast<std::uint16_t>(value >> 16));
    }
    void Coordinate(int value) {
        Word(static_cast<std::uint16_t>(static_cast<std::int16_t>(value)));
    }
    void Text(std::string_view text) {
        for (const wchar_t character : Widen(text)) {
            Word(static_cast<std::uint16_t>(character));
        }
        Word(0);
    }
    void AlignToDoubleWord() {
        if (words_.size() % 2 != 0) {
            Word(0);
        }
    }
    std::vector<std::uint16_t> Take() { return std::move(words_); }

private:
    std::vector<std::uint16_t> words_;
};

void WriteHeader(TemplateWriter& writer, const DialogTemplate& dialog) {
    writer.Word(1);       // version
    writer.Word(0xFFFF);  // extended
    writer.Words(0);      // help id
    writer.Words(dialog.exStyle);
    writer.Words(dialog.style);
    writer.Word(static_cast<std::uint16_t>(dialog.controls.size()));
    writer.Coordinate(dialog.x);
    writer.Coordinate(dialog.y);
    writer.Coordinate(dialog.cx);
    writer.Coordinate(dialog.cy);
    writer.Word(0);  // no menu
    writer.Word(0);  // the dialog manager's class
    writer.Text(dialog.caption);
    if ((dialog.style & DS_SETFONT) != 0) {
        writer.Word(static_cast<std::uint16_t>(dialog.fontPointSize));
        writer.Word(0);                     // any weight
        writer.Word(DEFAULT_CHARSET << 8);  // not italic, then the character set
        writer.Text(dialog.fontFace);
    }
}

std::uint16_t ClassAtom(ControlClass controlClass) {
    switch (controlClass) {
        case ControlClass::Button:
            return kButtonClass;
        case ControlClass::Edit:
            return kEditClass;
        case ControlClass::Static:
            break;
    }
    return kStaticClass;
}

void WriteControl(TemplateWriter& writer, const DialogControl& control, std::string_view iconName) {
    writer.AlignToDoubleWord();
    writer.Words(0);  // help id
    writer.Words(0);  // extended style
    writer.Words(control.style);
    writer.Coordinate(control.x);
    writer.Coordinate(control.y);
    writer.Coordinate(control.cx);
    writer.Coordinate(control.cy);
    writer.Words(static_cast<std::uint32_t>(control.id));
    writer.Word(0xFFFF);
    writer.Word(ClassAtom(control.controlClass));
    const bool iconStatic = control.controlClass == ControlClass::Static &&
                            (control.style & kStaticTypeMask) == SS_ICON;
    writer.Text(iconStatic ? iconName : control.text);
    writer.Word(0);  // no creation data
}

}  // namespace

std::vector<std::uint16_t> DialogTemplateWords(const DialogTemplate& dialogTemplate,
                                               std::string_view iconName) {
    TemplateWriter writer;
    WriteHeader(writer, dialogTemplate);
    for (const DialogControl& control : dialogTemplate.controls) {
        WriteControl(writer, control, iconName);
    }
    return writer.Take();
}

}  // namespace kolvar
