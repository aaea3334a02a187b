#include "view_fixture.h"

#include <chrono>

#include "model/band_code_settings.h"
#include "platform/application.h"
#include "resources/program_resources.h"

namespace kolvar::test {
namespace {

constexpr std::chrono::milliseconds kLinger(250);
constexpr int kPictureWidth = 353;

}  // namespace

TestSettings::TestSettings() : app_(kAppName) {
    app_.SetRegistryKey(kCompanyKey);
    AfxSetResourceModule(ProgramResources());
}

TestSettings::TestSettings(const BandCode& stored) : TestSettings() {
    SaveBandCode(app_, stored);
}

int TestSettings::Stored(std::string_view key, int missing) const {
    return StoredProfileInt(kCompanyKey, kAppName, kSettingsSection, key, missing);
}

ShownView::ShownView(CMarkingView& view, CWnd* parent) : view_(view) {
    const unsigned style = WS_VISIBLE | (parent != nullptr ? WS_CHILD : 0);
    view_.CreateEx(WS_EX_CLIENTEDGE, style, kPlace, parent, 10000);
    if (!view_.IsWindow()) {
        return;
    }
    counter_ = std::make_unique<PaintCounter>(view_);
    if (WaitForShown(view_)) {
        WaitForPaintAfter(0);
    }
}

bool ShownView::WaitForPaintAfter(int before) const {
    return WaitUntil([this, before] { return paints() > before; });
}

void ShownView::Linger() const {
    ProcessEvents(kLinger);
}

int SlotColumn(const Image& client, bool fiveBand, int slot) {
    const int pictureLeft = (client.width - kPictureWidth) / 2;
    const int middle = fiveBand ? 85 + 40 * slot : 88 + 50 * slot;
    return pictureLeft + middle;
}

int ColumnCount(const Image& client, int column, Colour colour) {
    int count = 0;
    for (int y = 0; y < client.height; ++y) {
        count += client.At(column, y) == colour ? 1 : 0;
    }
    return count;
}

void PassToMarkingView(CMarkingView& view, const Message& message) {
    const auto id = static_cast<unsigned>(message.wParam & 0xFFFF);
    for (const MessageMap* map = CMarkingView::ClassMessageMap(); map != nullptr;
         map = map->base != nullptr ? map->base() : nullptr) {
        for (const MessageMapEntry& entry : map->entries) {
            if (entry.message == message.message &&
                (message.message != WM_COMMAND || (entry.firstId <= id && id <= entry.lastId))) {
                entry.handler(view, message);
                return;
            }
        }
    }
}

}  // namespace kolvar::test
