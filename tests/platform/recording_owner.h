#pragma once

#include <cstdint>
#include <vector>

#include "platform/colour.h"
#include "platform/geometry.h"
#include "platform/window.h"

namespace kolvar {

// What one draw request said, kept after the surface it came with is gone.
struct DrawRecord {
    unsigned itemID = 0;
    unsigned itemAction = 0;
    unsigned itemState = 0;
    Rect rcItem;
    std::uintptr_t itemData = 0;
    Size textExtent;  // of a sample text on the item's surface, in the font it was handed over
    Colour painted = 0;
};

// The draws of one item among those recorded.
std::vector<DrawRecord> DrawsOf(const std::vector<DrawRecord>& draws, unsigned id);

// The order in which requests and commands reached the owner.
struct OwnerEvent {
    enum Kind { Measure, Draw, Command } kind = Measure;
    unsigned id = 0;
};

// A menu owner that answers measure requests with a size of its own for each item, paints each
// item in one flat colour that depends on the item and its state, and records everything.
class RecordingOwner : public CWnd {
public:
    static Size SizeFor(unsigned id);
    static Colour ColourFor(unsigned id, unsigned itemState);
    static constexpr const char* kSampleText = "Mg";

    std::vector<MEASUREITEMSTRUCT> measures;
    std::vector<DrawRecord> draws;
    std::vector<unsigned> commands;
    std::vector<OwnerEvent> events;
    // Per command: whether any menu was still open when it arrived, and how many event loops
    // were running then.
    std::vector<bool> menuOpenAtCommand;
    std::vector<int> loopLevelAtCommand;

    int MeasuresOf(unsigned id) const;

    static const MessageMap* ClassMessageMap();

protected:
    const MessageMap* GetMessageMap() const override { return ClassMessageMap(); }

private:
    void OnMeasureItem(int controlId, MEASUREITEMSTRUCT& measure);
    void OnDrawItem(int controlId, DRAWITEMSTRUCT& draw);
    void OnAnyCommand(unsigned id);
};

}  // namespace kolvar
