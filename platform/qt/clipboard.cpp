// The clipboard on Qt: the system clipboard's text, which Qt decodes to Unicode.

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include "platform/backend.h"
#include "platform/qt/qt_conversions.h"

namespace kolvar {

std::optional<std::string> GetClipboardText() {
    const QClipboard* clipboard = QGuiApplication::clipboard();
    const QMimeData* data = clipboard != nullptr ? clipboard->mimeData() : nullptr;
    if (data == nullptr || !data->hasText()) {
        return std::nullopt;
    }
    return data->text().toStdString();
}

// Qt owns what it puts on the clipboard itself, for as long as the program runs.
bool SetClipboardText(CWnd& /*owner*/, std::string_view text) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (clipboard == nullptr) {
        return false;
    }
    clipboard->setText(FromUtf8(text));
    return true;
}

}  // namespace kolvar
