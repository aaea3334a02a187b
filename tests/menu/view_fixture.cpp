#include "view_fixture.h"

#include <QEvent>
#include <QTest>
#include <cstdlib>

#include "model/band_code_settings.h"
#include "platform/application.h"
#include "platform/qt/qt_testing.h"
#include "platform/testing.h"
#include "resources/program_resources.h"

namespace kolvar::test {
namespace {

constexpr int kPatienceMs = 3000;
constexpr int kLingerMs = 250;
constexpr int kPictureWidth = 353;

}  // namespace

TestSettings::TestSettings() : app_(kAppName) {
    setenv("XDG_CONFIG_HOME", directory_.path().toUtf8().constData(), 1);
    app_.SetRegistryKey(kCompanyKey);
    AfxSetResourceModule(ProgramResources());
}

TestSettings::TestSettings(const BandCode& stored) : TestSettings() {
    SaveBandCode(app_, stored);
}

TestSettings::~TestSettings() {
    unsetenv("XDG_CONFIG_HOME");
}

int TestSettings::Stored(std::string_view key, int missing) const {
    return StoredProfileInt(kCompanyKey, kAppName, kSettingsSection, key, missing);
}

PaintCounter::PaintCounter(QWidget& widget) : QObject(&widget) {
    widget.installEventFilter(this);
}

bool PaintCounter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Paint) {
        ++count_;
    }
    return QObject::eventFilter(watched, event);
}

ShownView::ShownView(CMarkingView& view, CWnd* parent) : view_(view) {
    const unsigned style = WS_VISIBLE | (parent != nullptr ? WS_CHILD : 0);
    view_.CreateEx(WS_EX_CLIENTEDGE, style, kPlace, parent, 10000);
    if (!view_.IsWindow()) {
        return;
    }
    counter_ = std::make_unique<PaintCounter>(widget());
    if (QTest::qWaitForWindowExposed(widget().window())) {
        WaitForPaintAfter(0);
    }
}

QWidget& ShownView::widget() const {
    return *WidgetBehind(view_);
}

bool ShownView::WaitForPaintAfter(int before) const {
    return QTest::qWaitFor([this, before] { return paints() > before; }, kPatienceMs);
}

void ShownView::Linger() const {
    QTest::qWait(kLingerMs);
}

QImage ShownView::GrabClient() const {
    const QRect client = ClientAreaOf(view_);
    return widget().grab(client).toImage();
}

int SlotColumn(const QImage& client, bool fiveBand, int slot) {
    const int pictureLeft = (client.width() - kPictureWidth) / 2;
    const int middle = fiveBand ? 85 + 40 * slot : 88 + 50 * slot;
    return pictureLeft + middle;
}

int ColumnCount(const QImage& client, int column, Colour colour) {
    int count = 0;
    for (int y = 0; y < client.height(); ++y) {
        const QColor pixel = client.pixelColor(column, y);
        count +=
            Rgb(static_cast<std::uint8_t>(pixel.red()), static_cast<std::uint8_t>(pixel.green()),
                static_cast<std::uint8_t>(pixel.blue())) == colour
                ? 1
                : 0;
    }
    return count;
}

}  // namespace kolvar::test
