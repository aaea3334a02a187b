#include "recording_owner.h"

#include <algorithm>

#include "platform/surface.h"
#include "platform/testing.h"

namespace kolvar {

Size RecordingOwner::SizeFor(unsigned id) {
    const int step = static_cast<int>(id % 7);
    return {60 + 13 * step, 15 + step};
}

Colour RecordingOwner::ColourFor(unsigned id, unsigned itemState) {
    const auto shade = static_cast<std::uint8_t>(id * 37 % 200 + 20);
    const std::uint8_t selected =
        (itemState & ODS_SELECTED) != 0 ? std::uint8_t{255} : std::uint8_t{0};
    const std::uint8_t checked =
        (itemState & ODS_CHECKED) != 0 ? std::uint8_t{128} : std::uint8_t{0};
    return Rgb(shade, selected, checked);
}

std::vector<DrawRecord> DrawsOf(const std::vector<DrawRecord>& draws, unsigned id) {
    std::vector<DrawRecord> found;
    std::copy_if(draws.begin(), draws.end(), std::back_inserter(found),
                 [id](const DrawRecord& draw) { return draw.itemID == id; });
    return found;
}

int RecordingOwner::MeasuresOf(unsigned id) const {
    return static_cast<int>(
        std::count_if(measures.begin(), measures.end(),
                      [id](const MEASUREITEMSTRUCT& measure) { return measure.itemID == id; }));
}

const MessageMap* RecordingOwner::ClassMessageMap() {
    static constexpr MessageMapEntry kEntries[] = {
        OnWmMeasureItem<&RecordingOwner::OnMeasureItem>(),
        OnWmDrawItem<&RecordingOwner::OnDrawItem>(),
        OnCommandRange<1, 0xFFFF, &RecordingOwner::OnAnyCommand>(),
    };
    static constexpr MessageMap kMap{&CWnd::ClassMessageMap, kEntries};
    return &kMap;
}

void RecordingOwner::OnMeasureItem(int /*controlId*/, MEASUREITEMSTRUCT& measure) {
    const Size size = SizeFor(measure.itemID);
    measure.itemWidth = static_cast<unsigned>(size.cx);
    measure.itemHeight = static_cast<unsigned>(size.cy);
    measures.push_back(measure);
    events.push_back({OwnerEvent::Measure, measure.itemID});
}

void RecordingOwner::OnDrawItem(int /*controlId*/, DRAWITEMSTRUCT& draw) {
    const Colour colour = ColourFor(draw.itemID, draw.itemState);
    const Brush brush(colour);
    draw.hDC->FillRect(draw.rcItem, brush);
    draws.push_back({draw.itemID, draw.itemAction, draw.itemState, draw.rcItem, draw.itemData,
                     draw.hDC->GetTextExtentPoint32(kSampleText), colour});
    events.push_back({OwnerEvent::Draw, draw.itemID});
}

void RecordingOwner::OnAnyCommand(unsigned id) {
    commands.push_back(id);
    menuOpenAtCommand.push_back(OpenMenuCount() > 0);
    loopLevelAtCommand.push_back(EventLoopDepth());
    events.push_back({OwnerEvent::Command, id});
}

}  // namespace kolvar
