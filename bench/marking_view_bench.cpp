// The two things the user waits for: a whole paint of the view (background, caption, picture,
// copy to the window) and the opening of the colour menu (building it, measuring every colour
// item through the view, drawing one sub-menu's items).

#include <benchmark/benchmark.h>

#include <vector>

#include "menu/colour_item.h"
#include "menu/colour_menu.h"
#include "menu/marking_view.h"
#include "platform/application.h"
#include "platform/surface.h"
#include "platform/testing.h"
#include "resources/program_resources.h"
#include "resources/resource_ids.h"

namespace kolvar {
namespace {

// The main dialog's client area and the view inside it, less the dialog's margin.
constexpr Rect kDialogClient{0, 0, 480, 325};
constexpr Rect kViewArea{5, 5, 475, 320};
constexpr unsigned kViewId = 10000;

// A view in a shown top-level window, as the main dialog holds it; five bands when asked.
class ShownView {
public:
    explicit ShownView(bool fiveBand) {
        frame_.CreateEx(0, WS_VISIBLE, kDialogClient, nullptr, 0);
        view_.CreateEx(WS_EX_CLIENTEDGE, WS_CHILD | WS_VISIBLE, kViewArea, &frame_, kViewId);
        if (fiveBand) {
            view_.SendMessage(WM_COMMAND, ID_FIVE_BAND, 0);
        }
        ProcessEvents();
    }
    ShownView(const ShownView&) = delete;
    ShownView& operator=(const ShownView&) = delete;

    CMarkingView& view() { return view_; }

private:
    CWnd frame_;
    CMarkingView view_;
};

// Paints through the window system's path: the view paints into the top-level's back buffer,
// which is then flushed.
void WholeViewRepaint(benchmark::State& state) {
    ShownView shown(state.range(0) != 0);
    for (auto _ : state) {
        shown.view().InvalidateRect(false);
        ProcessEvents();
    }
    state.SetLabel(state.range(0) != 0 ? "five bands" : "four bands");
}
BENCHMARK(WholeViewRepaint)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// The same paint rendered into an image that is kept, as tests read it back.
void WholeViewRender(benchmark::State& state) {
    ShownView shown(state.range(0) != 0);
    for (auto _ : state) {
        const Image image = GrabClientArea(shown.view());
        benchmark::DoNotOptimize(image.pixels.data());
    }
    state.SetLabel(state.range(0) != 0 ? "five bands" : "four bands");
}
BENCHMARK(WholeViewRender)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

struct ColourItem {
    unsigned id;
    ColourCode code;
};

// Every colour item the menu shows for this selection, in menu order.
std::vector<ColourItem> ColourItems(const BandCode& code) {
    std::vector<ColourItem> items;
    for (const BandMenu& band : BandMenus()) {
        if (band.fiveBandOnly && !IsFiveBand(code)) {
            continue;
        }
        for (ColourCode colour : band.codes) {
            items.push_back({band.base + static_cast<unsigned>(colour), colour});
        }
    }
    return items;
}

// What the platform asks the owner for each owner-drawn item before the menu shows.
unsigned MeasureAll(CMarkingView& view, const std::vector<ColourItem>& items) {
    unsigned widest = 0;
    for (const ColourItem& item : items) {
        MEASUREITEMSTRUCT request;
        request.itemID = item.id;
        request.itemData = ColourItemData(item.id, item.code);
        view.SendMessage(WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&request));
        widest = std::max(widest, request.itemWidth);
    }
    return widest;
}

void ColourMenuBuild(benchmark::State& state) {
    ShownView shown(true);
    for (auto _ : state) {
        CMenu menu = BuildColourMenu(shown.view().bandCode());
        benchmark::DoNotOptimize(menu);
    }
}
BENCHMARK(ColourMenuBuild)->Unit(benchmark::kMicrosecond);

void ColourMenuMeasure(benchmark::State& state) {
    ShownView shown(true);
    const std::vector<ColourItem> items = ColourItems(shown.view().bandCode());
    for (auto _ : state) {
        benchmark::DoNotOptimize(MeasureAll(shown.view(), items));
    }
    state.counters["items"] = static_cast<double>(items.size());
}
BENCHMARK(ColourMenuMeasure)->Unit(benchmark::kMicrosecond);

void ColourMenuBuildAndMeasure(benchmark::State& state) {
    ShownView shown(true);
    const std::vector<ColourItem> items = ColourItems(shown.view().bandCode());
    for (auto _ : state) {
        CMenu menu = BuildColourMenu(shown.view().bandCode());
        benchmark::DoNotOptimize(MeasureAll(shown.view(), items));
    }
}
BENCHMARK(ColourMenuBuildAndMeasure)->Unit(benchmark::kMicrosecond);

// The largest sub-menu, the multiplier's twelve items, drawn whole on one item surface.
void MultiplierSubMenuDraw(benchmark::State& state) {
    ShownView shown(true);
    std::vector<ColourItem> items;
    for (const ColourItem& item : ColourItems(shown.view().bandCode())) {
        if (item.id >= ID_POWER_BASE - 2 && item.id <= ID_POWER_BASE + 9) {
            items.push_back(item);
        }
    }
    const int itemHeight = shown.view().sysColours().menuItemHeight;
    const int width = static_cast<int>(MeasureAll(shown.view(), items));
    MemorySurface surface;
    Bitmap bitmap =
        CreateCompatibleBitmap(surface, width, itemHeight * static_cast<int>(items.size()));
    Selected selectedBitmap(surface, bitmap);
    for (auto _ : state) {
        int top = 0;
        for (const ColourItem& item : items) {
            DRAWITEMSTRUCT request;
            request.itemID = item.id;
            request.itemState = item.code == shown.view().bandCode().power ? ODS_CHECKED : 0;
            request.hDC = &surface;
            request.rcItem = {0, top, width, top + itemHeight};
            request.itemData = ColourItemData(item.id, item.code);
            DrawColourItem(request, shown.view().sysColours());
            top += itemHeight;
        }
    }
    state.counters["items"] = static_cast<double>(items.size());
}
BENCHMARK(MultiplierSubMenuDraw)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace kolvar

// Windows want the platform set up; it needs no display.
int main(int argc, char** argv) {
    const kolvar::TestPlatform platform(argc, argv);
    kolvar::AfxSetResourceModule(kolvar::ProgramResources());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
