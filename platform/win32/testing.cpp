// The test seam on Win32: the platform, the event loop, drawing and system colours.

#include "platform/testing.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "platform/program.h"
#include "platform/scope_exit.h"
#include "platform/win32/drawing_objects.h"
#include "platform/win32/surface.h"
#include "platform/win32/testing_internals.h"

#include <objbase.h>

namespace kolvar {
namespace {

using Clock = std::chrono::steady_clock;

constexpr std::chrono::milliseconds kPollInterval(10);
constexpr ULONG_PTR kDialogClass = 32770;

// The dialog manager's windows take their keyboard messages first, as in its own loop.
bool IsDialogsMessage(MSG& message) {
    HWND root = message.hwnd != nullptr ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
    return root != nullptr && GetClassLongPtrW(root, GCW_ATOM) == kDialogClass &&
           IsDialogMessageW(root, &message) != FALSE;
}

// Everything the queue holds now. A request to quit ends no loop of a test's: the test decides.
void DispatchPending() {
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT || IsDialogsMessage(message)) {
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

void WaitForMessages(Clock::duration limit) {
    const auto wait = std::chrono::ceil<std::chrono::milliseconds>(limit).count();
    MsgWaitForMultipleObjectsEx(0, nullptr, static_cast<DWORD>(std::max<decltype(wait)>(wait, 0)),
                                QS_ALLINPUT, MWMO_INPUTAVAILABLE);
}

// The steps of the LaterSteps waiting for their timers.
struct TimedStep {
    UINT_PTR timer;
    std::function<void()>* step;
};

std::vector<TimedStep>& TimedSteps() {
    static std::vector<TimedStep> steps;
    return steps;
}

void CALLBACK RunTimedStep(HWND /*window*/, UINT /*message*/, UINT_PTR timer, DWORD /*time*/) {
    KillTimer(nullptr, timer);
    auto& steps = TimedSteps();
    const auto found = std::find_if(steps.begin(), steps.end(),
                                    [timer](const TimedStep& step) { return step.timer == timer; });
    if (found == steps.end()) {
        return;
    }
    const std::function<void()> step = std::move(*found->step);
    steps.erase(found);
    step();
}

void AppendUtf8(std::string& text, char32_t code) {
    const auto byte = [&text](char32_t value) { text += static_cast<char>(value); };
    if (code < 0x80) {
        byte(code);
    } else if (code < 0x800) {
        byte(0xC0 | code >> 6);
        byte(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        byte(0xE0 | code >> 12);
        byte(0x80 | (code >> 6 & 0x3F));
        byte(0x80 | (code & 0x3F));
    } else {
        byte(0xF0 | code >> 18);
        byte(0x80 | (code >> 12 & 0x3F));
        byte(0x80 | (code >> 6 & 0x3F));
        byte(0x80 | (code & 0x3F));
    }
}

void AppendUtf16(std::wstring& text, char32_t code) {
    if (code < 0x10000) {
        text += static_cast<wchar_t>(code);
        return;
    }
    text += static_cast<wchar_t>(0xD800 + ((code - 0x10000) >> 10));
    text += static_cast<wchar_t>(0xDC00 + ((code - 0x10000) & 0x3FF));
}

// How many bytes a UTF-8 sequence takes, by its first byte.
std::size_t SequenceLength(unsigned char first) {
    return first < 0xC0 ? 1 : first < 0xE0 ? 2 : first < 0xF0 ? 3 : 4;
}

}  // namespace

std::string Utf8Of(std::wstring_view utf16) {
    std::string text;
    for (std::size_t at = 0; at < utf16.size(); ++at) {
        char32_t code = static_cast<char16_t>(utf16[at]);
        const bool pair = code >= 0xD800 && code < 0xDC00 && at + 1 < utf16.size();
        if (pair) {
            code =
                0x10000 + ((code - 0xD800) << 10) + (static_cast<char16_t>(utf16[++at]) - 0xDC00);
        }
        AppendUtf8(text, code);
    }
    return text;
}

std::wstring Utf16Of(std::string_view utf8) {
    std::wstring text;
    for (std::size_t at = 0; at < utf8.size();) {
        const auto first = static_cast<unsigned char>(utf8[at]);
        const std::size_t length = std::min(SequenceLength(first), utf8.size() - at);
        char32_t code = length == 1 ? first : first & (0x7F >> length);
        for (std::size_t next = 1; next < length; ++next) {
            code = code << 6 | (static_cast<unsigned char>(utf8[at + next]) & 0x3F);
        }
        AppendUtf16(text, code);
        at += length;
    }
    return text;
}

// Windows, menus and fonts need nothing set up; accessibility asks for COM. A crash ends the
// test at once instead of waiting on the system's crash dialog.
struct TestPlatform::State {
    State() { CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED); }
    ~State() { CoUninitialize(); }
    State(const State&) = delete;
    State& operator=(const State&) = delete;
};

TestPlatform::TestPlatform(int& /*argc*/, char** /*argv*/) : state_(std::make_unique<State>()) {
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX);
}

TestPlatform::~TestPlatform() = default;

void ProcessEvents(std::chrono::milliseconds atLeast) {
    if (InMenuSteps()) {
        LetMenuTrackingRun(atLeast);
        return;
    }
    const auto until = Clock::now() + atLeast;
    DispatchPending();
    while (Clock::now() < until) {
        WaitForMessages(until - Clock::now());
        DispatchPending();
    }
}

bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds patience) {
    const auto until = Clock::now() + patience;
    while (!condition()) {
        const auto now = Clock::now();
        if (now >= until) {
            return false;
        }
        if (InMenuSteps()) {
            LetMenuTrackingRun(std::chrono::milliseconds(0));
        } else {
            WaitForMessages(std::min<Clock::duration>(kPollInterval, until - now));
            DispatchPending();
        }
    }
    return true;
}

// The system runs the loops of dialogs and of menus' tracking out of the program's sight: each
// dialog in a modal run has one, and so do the menus while any is open.
int EventLoopDepth() {
    return ModalRunDepth() + (OpenMenuCount() > 0 ? 1 : 0);
}

// A thread timer: the system's modal loops dispatch its message as any loop does.
struct LaterStep::State {
    UINT_PTR timer = 0;
    std::function<void()> step;
};

LaterStep::LaterStep(std::chrono::milliseconds delay, std::function<void()> step)
    : state_(std::make_unique<State>()) {
    state_->step = std::move(step);
    state_->timer = SetTimer(
        nullptr, 0, static_cast<UINT>(std::max<std::int64_t>(delay.count(), 0)), &RunTimedStep);
    TimedSteps().push_back({state_->timer, &state_->step});
}

LaterStep::~LaterStep() {
    KillTimer(nullptr, state_->timer);
    std::erase_if(TimedSteps(),
                  [this](const TimedStep& step) { return step.step == &state_->step; });
}

ScreenSurface::ScreenSurface()
    : Surface(std::make_unique<Win32Surface>(SurfaceKind::client, GetDC(nullptr))) {}

ScreenSurface::~ScreenSurface() = default;

Image GrabFrom(HDC dc, const RECT& rect) {
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    if (width <= 0 || height <= 0) {
        return {};
    }
    const std::unique_ptr<Win32Bitmap> target = DibSection(width, height);
    if (target == nullptr) {
        return {};
    }
    HDC memory = CreateCompatibleDC(dc);
    HGDIOBJ original = ::SelectObject(memory, target->handle);
    const ScopeExit release([&] {
        ::SelectObject(memory, original);
        DeleteDC(memory);
    });
    if (!::BitBlt(memory, 0, 0, width, height, dc, rect.left, rect.top, kolvar::SRCCOPY)) {
        return {};
    }
    GdiFlush();
    Image image{width, height, std::vector<Colour>(static_cast<std::size_t>(width) * height)};
    const auto* pixels = reinterpret_cast<const std::uint32_t*>(target->pixels.bits);
    std::transform(pixels, pixels + image.pixels.size(), image.pixels.begin(), ColourOfRasterPixel);
    return image;
}

// The system tells every top-level window, which tells its children.
struct SystemColourChange::State {
    int index = 0;
    COLORREF saved = 0;
};

SystemColourChange::SystemColourChange(int index, Colour colour)
    : state_(std::make_unique<State>()) {
    state_->index = index;
    state_->saved = ::GetSysColor(index);
    const COLORREF changed = colour;
    SetSysColors(1, &index, &changed);
}

SystemColourChange::~SystemColourChange() {
    SetSysColors(1, &state_->index, &state_->saved);
}

// The change is the session's only, and every top-level window hears of it.
struct MenuFontChange::State {
    NONCLIENTMETRICSW saved{};

    static void Set(NONCLIENTMETRICSW metrics) {
        SystemParametersInfoW(SPI_SETNONCLIENTMETRICS, sizeof metrics, &metrics, SPIF_SENDCHANGE);
    }
};

MenuFontChange::MenuFontChange(int pixelHeight) : state_(std::make_unique<State>()) {
    constexpr int kLinePadding = 8;
    state_->saved.cbSize = sizeof state_->saved;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof state_->saved, &state_->saved, 0);
    NONCLIENTMETRICSW larger = state_->saved;
    larger.lfMenuFont.lfHeight = -pixelHeight;
    larger.iMenuHeight = pixelHeight + kLinePadding;
    State::Set(larger);
}

MenuFontChange::~MenuFontChange() {
    State::Set(state_->saved);
}

}  // namespace kolvar
