#pragma once

#include <memory>
#include <ostream>
#include <string_view>

#include "menu/marking_view.h"
#include "model/band_code.h"
#include "platform/application.h"
#include "platform/geometry.h"
#include "platform/testing.h"
#include "tests/support/company_key.h"

namespace kolvar {

inline void PrintTo(const BandCode& code, std::ostream* out) {
    *out << "{extended " << code.extended << ", digits " << code.digit1 << " " << code.digit2 << " "
         << code.digit3 << ", power " << code.power << ", tolerance " << code.overshoot << "}";
}

}  // namespace kolvar

namespace kolvar::test {

inline constexpr std::string_view kAppName = "kolvar-menu-test";

// An application object whose settings live in a store of their own for the life of the
// object, and the program's resources installed.
class TestSettings {
public:
    TestSettings();
    // Starts from a stored selection.
    explicit TestSettings(const BandCode& stored);
    TestSettings(const TestSettings&) = delete;
    TestSettings& operator=(const TestSettings&) = delete;

    CWinApp& app() { return app_; }

    // Straight from the settings file, as the next run would read it.
    int Stored(std::string_view key, int missing) const;

private:
    SettingsSandbox sandbox_;
    CWinApp app_;
};

// The view as a window of its own on the screen, its client area at a known place.
class ShownView {
public:
    // Where the window's frame goes on the screen.
    static constexpr Rect kPlace{120, 90, 120 + 470, 90 + 315};

    explicit ShownView(CMarkingView& view, CWnd* parent = nullptr);

    CMarkingView& view() { return view_; }
    int paints() const { return counter_ ? counter_->Count() : 0; }

    // Waits until the view has painted more often than `before`; false if it does not.
    bool WaitForPaintAfter(int before) const;
    // Gives a paint that is not coming the chance to come.
    void Linger() const;

private:
    CMarkingView& view_;
    std::unique_ptr<PaintCounter> counter_;
};

// Hands the message to the marking view's own handler for it, as a probe that hears it first
// lets it go on.
void PassToMarkingView(CMarkingView& view, const Message& message);

// The column of band slot `slot` in the picture, measured from the client area's left: the
// middle of the slot, for the four- or five-band code.
int SlotColumn(const Image& client, bool fiveBand, int slot);
// How many pixels of that column have the colour.
int ColumnCount(const Image& client, int column, Colour colour);

}  // namespace kolvar::test
