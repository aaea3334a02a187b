#pragma once

#include <QImage>
#include <QObject>
#include <QTemporaryDir>
#include <QWidget>
#include <memory>
#include <ostream>
#include <string_view>

#include "menu/marking_view.h"
#include "model/band_code.h"
#include "platform/application.h"
#include "platform/geometry.h"

namespace kolvar {

inline void PrintTo(const BandCode& code, std::ostream* out) {
    *out << "{extended " << code.extended << ", digits " << code.digit1 << " " << code.digit2 << " "
         << code.digit3 << ", power " << code.power << ", tolerance " << code.overshoot << "}";
}

}  // namespace kolvar

namespace kolvar::test {

inline constexpr std::string_view kCompanyKey = "Local AppWizard-Generated Applications";
inline constexpr std::string_view kAppName = "kolvar-menu-test";

// An application object whose settings live in a temporary directory for the life of the
// object, and the program's resources installed.
class TestSettings {
public:
    TestSettings();
    // Starts from a stored selection.
    explicit TestSettings(const BandCode& stored);
    ~TestSettings();
    TestSettings(const TestSettings&) = delete;
    TestSettings& operator=(const TestSettings&) = delete;

    CWinApp& app() { return app_; }

    // Straight from the settings file, as the next run would read it.
    int Stored(std::string_view key, int missing) const;

private:
    QTemporaryDir directory_;
    CWinApp app_;
};

// Counts the paints that reach a widget.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget& widget);
    int count() const { return count_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int count_ = 0;
};

// The view as a window of its own on the screen, its client area at a known place.
class ShownView {
public:
    // Where the window's frame goes on the screen.
    static constexpr Rect kPlace{120, 90, 120 + 470, 90 + 315};

    explicit ShownView(CMarkingView& view, CWnd* parent = nullptr);

    CMarkingView& view() { return view_; }
    QWidget& widget() const;
    int paints() const { return counter_ ? counter_->count() : 0; }

    // Waits until the view has painted more often than `before`; false if it does not.
    bool WaitForPaintAfter(int before) const;
    // Gives a paint that is not coming the chance to come.
    void Linger() const;

    // The view's client area as it looks now, one pixel per client pixel.
    QImage GrabClient() const;

private:
    CMarkingView& view_;
    std::unique_ptr<PaintCounter> counter_;
};

// The column of band slot `slot` in the picture, measured from the client area's left: the
// middle of the slot, for the four- or five-band code.
int SlotColumn(const QImage& client, bool fiveBand, int slot);
// How many pixels of that column have the colour.
int ColumnCount(const QImage& client, int column, Colour colour);

}  // namespace kolvar::test
