// The test seam on Qt: the platform, the event loop, settings, drawing and system colours.

#include "platform/testing.h"

#include <QApplication>
#include <QByteArray>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QPalette>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <stdexcept>

#include "platform/posix/file_profile_store.h"
#include "platform/qt/qt_conversions.h"
#include "platform/qt/surface.h"
#include "platform/qt/testing_internals.h"

namespace kolvar {

struct TestPlatform::State {
    State(int& argc, char** argv) : application(argc, argv) {}
    QApplication application;
};

// Tests run headless unless told otherwise.
TestPlatform::TestPlatform(int& argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    state_ = std::make_unique<State>(argc, argv);
}

TestPlatform::~TestPlatform() = default;

void ProcessEvents(std::chrono::milliseconds atLeast) {
    if (atLeast.count() > 0) {
        QTest::qWait(static_cast<int>(atLeast.count()));
    } else {
        QCoreApplication::processEvents();
    }
}

bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds patience) {
    return QTest::qWaitFor(condition, static_cast<int>(patience.count()));
}

int EventLoopDepth() {
    return QThread::currentThread()->loopLevel();
}

struct LaterStep::State {
    QTimer timer;
};

LaterStep::LaterStep(std::chrono::milliseconds delay, std::function<void()> step)
    : state_(std::make_unique<State>()) {
    state_->timer.setSingleShot(true);
    QObject::connect(&state_->timer, &QTimer::timeout, std::move(step));
    state_->timer.start(delay);
}

LaterStep::~LaterStep() = default;

// The store lives under XDG_CONFIG_HOME, which programs started meanwhile inherit.
struct SettingsSandbox::State {
    QTemporaryDir folder;
    bool hadConfigHome = qEnvironmentVariableIsSet("XDG_CONFIG_HOME");
    QByteArray previousConfigHome = qgetenv("XDG_CONFIG_HOME");
};

SettingsSandbox::SettingsSandbox() : state_(std::make_unique<State>()) {
    if (!state_->folder.isValid()) {
        throw std::runtime_error("no temporary folder for the settings: " +
                                 state_->folder.errorString().toStdString());
    }
    qputenv("XDG_CONFIG_HOME", state_->folder.path().toUtf8());
}

SettingsSandbox::~SettingsSandbox() {
    if (state_->hadConfigHome) {
        qputenv("XDG_CONFIG_HOME", state_->previousConfigHome);
    } else {
        qunsetenv("XDG_CONFIG_HOME");
    }
}

namespace {

QString StorePath(std::string_view companyKey, std::string_view appName) {
    return QString::fromStdString(
        FileProfileStore(std::string(companyKey), std::string(appName)).FilePath());
}

}  // namespace

std::string StoredText(std::string_view companyKey, std::string_view appName) {
    QFile file(StorePath(companyKey, appName));
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
}

bool ReplaceStoredText(std::string_view companyKey, std::string_view appName,
                       std::string_view text) {
    QFile file(StorePath(companyKey, appName));
    return QDir().mkpath(QFileInfo(file).path()) && file.open(QIODevice::WriteOnly) &&
           file.write(text.data(), static_cast<qint64>(text.size())) ==
               static_cast<qint64>(text.size());
}

ScreenSurface::ScreenSurface()
    : Surface(std::make_unique<QtSurface>(
          SurfaceKind::client, QFont(),
          qRound(QGuiApplication::primaryScreen()->logicalDotsPerInchY()))) {}

ScreenSurface::~ScreenSurface() = default;

Image ImageOf(const QImage& image) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    Image pixels{rgb.width(), rgb.height(), {}};
    pixels.pixels.resize(static_cast<std::size_t>(rgb.width()) *
                         static_cast<std::size_t>(rgb.height()));
    auto next = pixels.pixels.begin();
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        next = std::transform(line, line + rgb.width(), next, FromQRgb);
    }
    return pixels;
}

namespace {

// GetSysColor reads the menu colours from the menus' palette and the others from the
// application's; a window text is Qt's text on either background.
bool IsMenuColour(int index) {
    return index == COLOR_MENU || index == COLOR_MENUTEXT || index == COLOR_HIGHLIGHT ||
           index == COLOR_HIGHLIGHTTEXT;
}

void SetRoles(QPalette& palette, int index, const QColor& colour) {
    switch (index) {
        case COLOR_MENU:
            palette.setColor(QPalette::Window, colour);
            break;
        case COLOR_MENUTEXT:
            palette.setColor(QPalette::WindowText, colour);
            break;
        case COLOR_HIGHLIGHT:
            palette.setColor(QPalette::Highlight, colour);
            break;
        case COLOR_HIGHLIGHTTEXT:
            palette.setColor(QPalette::HighlightedText, colour);
            break;
        case COLOR_WINDOW:
            palette.setColor(QPalette::Base, colour);
            break;
        case COLOR_WINDOWTEXT:
            palette.setColor(QPalette::WindowText, colour);
            palette.setColor(QPalette::Text, colour);
            break;
        default:
            break;
    }
}

// Qt tells every widget of a palette change, and the windows hear WM_SYSCOLORCHANGE from that.
void SetPalette(const QPalette& palette, bool menus) {
    QApplication::setPalette(palette, menus ? "QMenu" : nullptr);
}

}  // namespace

struct SystemColourChange::State {
    bool menus = false;
    QPalette saved;
};

SystemColourChange::SystemColourChange(int index, Colour colour)
    : state_(std::make_unique<State>()) {
    state_->menus = IsMenuColour(index);
    state_->saved = state_->menus ? QApplication::palette("QMenu") : QApplication::palette();
    QPalette changed = state_->saved;
    SetRoles(changed, index, ToQColor(colour));
    SetPalette(changed, state_->menus);
}

SystemColourChange::~SystemColourChange() {
    SetPalette(state_->saved, state_->menus);
}

// Qt tells only the menus of a font set for them; a theme's new fonts reach every window.
struct MenuFontChange::State {
    QFont saved;

    static void SetMenuFont(const QFont& font) {
        QApplication::setFont(font, "QMenu");
        for (QWidget* window : QApplication::topLevelWidgets()) {
            QEvent change(QEvent::ApplicationFontChange);
            QApplication::sendEvent(window, &change);
        }
    }
};

MenuFontChange::MenuFontChange(int pixelHeight) : state_(std::make_unique<State>()) {
    state_->saved = QApplication::font("QMenu");
    QFont larger = state_->saved;
    larger.setPixelSize(pixelHeight);
    State::SetMenuFont(larger);
}

MenuFontChange::~MenuFontChange() {
    State::SetMenuFont(state_->saved);
}

}  // namespace kolvar
