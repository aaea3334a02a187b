#include "resources/picture_shape.h"

#include <algorithm>
#include <array>

namespace kolvar {
namespace {

constexpr int kDesignDpi = 96;
constexpr int kMirrorRow = kPictureHeight - 1;  // row y is mirrored onto row 152 - y

struct Span {
    int first;
    int last;  // inclusive; an empty span has last < first
};

constexpr Span kNone{0, -1};

// The outline at 100 %, listed column by column for the upper half: columns on the left and
// right side that share the same grey rows. The painting code relies on this exact outline, so it
// is data, not drawing code.
struct OutlineColumns {
    Span left;
    Span right;
    Span greyRows;
};

constexpr std::array kOutline = std::to_array<OutlineColumns>({
    {{0, 0}, {352, 352}, kNone},        {{1, 1}, {351, 351}, {65, 76}},
    {{2, 47}, {305, 350}, {64, 64}},    {{48, 48}, kNone, {63, 64}},
    {{49, 49}, {303, 304}, {63, 63}},   {{50, 50}, {302, 302}, {61, 76}},
    {{51, 51}, {301, 301}, {13, 61}},   {{52, 52}, {300, 300}, {10, 12}},
    {{53, 53}, {299, 299}, {8, 9}},     {{54, 54}, {298, 298}, {7, 7}},
    {{55, 55}, {297, 297}, {6, 6}},     {{56, 56}, {296, 296}, {5, 5}},
    {{57, 57}, {295, 295}, {4, 4}},     {{58, 59}, {293, 294}, {3, 3}},
    {{60, 62}, {290, 292}, {2, 2}},     {{63, 102}, {250, 289}, {1, 1}},
    {{103, 105}, {247, 249}, {2, 2}},   {{106, 107}, {245, 246}, {3, 3}},
    {{108, 108}, {244, 244}, {4, 4}},   {{109, 109}, {243, 243}, {5, 5}},
    {{110, 110}, {242, 242}, {6, 6}},   {{111, 111}, {241, 241}, {7, 7}},
    {{112, 112}, {240, 240}, {8, 9}},   {{113, 113}, {239, 239}, {10, 11}},
    {{114, 114}, {238, 238}, {12, 13}}, {{115, 115}, {237, 237}, {14, 14}},
    {{116, 116}, {236, 236}, {15, 15}}, {{117, 118}, {234, 235}, {16, 16}},
    {{119, 120}, {232, 233}, {17, 17}}, {{121, 122}, {230, 231}, {18, 18}},
    {{123, 125}, {227, 229}, {19, 19}}, {{126, 129}, {223, 226}, {20, 20}},
    {{130, 134}, {218, 222}, {21, 21}}, {{135, 140}, {212, 217}, {22, 22}},
    {{141, 147}, {205, 211}, {23, 23}}, {{148, 159}, {193, 204}, {24, 24}},
    {{160, 192}, kNone, {25, 25}},
});

// The inside of the two wire leads at 100 %.
struct LeadArea {
    Span columns;
    Span rows;
};

constexpr std::array kLeads = std::to_array<LeadArea>({
    {{2, 48}, {65, 87}},
    {{305, 350}, {65, 87}},
    {{49, 49}, {64, 88}},
    {{303, 304}, {64, 88}},
});

// The body runs between the walls it shares with the leads; those walls are the body's outline,
// so a lead's inside reaches up to them.
constexpr Span kBodyColumns{50, 302};

int Scaled(int pixels, int dpi) {
    return (pixels * dpi + kDesignDpi / 2) / kDesignDpi;
}

PictureParts BlankParts(int width, int height) {
    return {
        width, height,
        std::vector<PicturePart>(static_cast<std::size_t>(width) * static_cast<std::size_t>(height),
                                 PicturePart::kBlank)};
}

void Set(PictureParts& parts, int x, int y, PicturePart part) {
    parts.pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(parts.width) +
                 static_cast<std::size_t>(x)] = part;
}

// The stored picture, from the tables as they stand.
PictureParts DrawAtDesignDpi() {
    PictureParts parts = BlankParts(kPictureWidth, kPictureHeight);
    const auto outline = [&](Span columns, Span rows) {
        for (int x = columns.first; x <= columns.last; ++x) {
            for (int y = rows.first; y <= rows.last; ++y) {
                Set(parts, x, y, PicturePart::kOutline);
                Set(parts, x, kMirrorRow - y, PicturePart::kOutline);
            }
        }
    };
    for (const OutlineColumns& entry : kOutline) {
        outline(entry.left, entry.greyRows);
        outline(entry.right, entry.greyRows);
    }
    for (const LeadArea& lead : kLeads) {
        for (int x = lead.columns.first; x <= lead.columns.last; ++x) {
            for (int y = lead.rows.first; y <= lead.rows.last; ++y) {
                Set(parts, x, y, PicturePart::kLead);
            }
        }
    }
    return parts;
}

// Which part of the resistor a pixel lies in, the outline included.
enum class Region : std::uint8_t { kOutside, kLead, kBody };

// A column of the resistor's silhouette: its part and its first row, mirrored below.
struct ColumnShape {
    Region region = Region::kOutside;
    int top = 0;
};

// The silhouette at 100 %: each column holds one run of rows, from the outline's first grey row
// down to its mirror.
std::array<ColumnShape, kPictureWidth> DesignColumns() {
    std::array<ColumnShape, kPictureWidth> columns{};
    const auto take = [&](Span span, Span rows) {
        for (int x = span.first; x <= span.last && rows.first <= rows.last; ++x) {
            const bool body = x >= kBodyColumns.first && x <= kBodyColumns.last;
            columns[static_cast<std::size_t>(x)] = {body ? Region::kBody : Region::kLead,
                                                    rows.first};
        }
    };
    for (const OutlineColumns& entry : kOutline) {
        take(entry.left, entry.greyRows);
        take(entry.right, entry.greyRows);
    }
    return columns;
}

// The silhouette at the scale: each design column takes the target columns whose centres fall in
// it, and its rows are scaled and mirrored about the scaled middle, so that the drawing keeps the
// design's symmetry.
class Silhouette {
public:
    Silhouette(int dpi, int width, int height) : width_(width), height_(height) {
        const auto design = DesignColumns();
        columns_.reserve(static_cast<std::size_t>(width));
        for (int x = 0; x < width; ++x) {
            const int designX = std::min(kPictureWidth - 1, (2 * x + 1) * kDesignDpi / (2 * dpi));
            const ColumnShape shape = design[static_cast<std::size_t>(designX)];
            columns_.push_back({shape.region, Scaled(shape.top, dpi)});
        }
    }

    Region At(int x, int y) const {
        if (x < 0 || x >= width_ || y < 0 || y >= height_) {
            return Region::kOutside;
        }
        const ColumnShape& column = columns_[static_cast<std::size_t>(x)];
        const bool inside = y >= column.top && y <= height_ - 1 - column.top;
        return inside ? column.region : Region::kOutside;
    }

private:
    int width_;
    int height_;
    std::vector<ColumnShape> columns_;
};

// A pixel is outline where another part lies within the outline's width of it, measured between
// pixel centres, so that the stroke is as wide across a straight edge as across a curve. A lead
// ends at the body's wall without an outline of its own.
bool OnOutline(const Silhouette& shape, int x, int y, int width) {
    const Region region = shape.At(x, y);
    for (int dy = -width; dy <= width; ++dy) {
        for (int dx = -width; dx <= width; ++dx) {
            if (dx * dx + dy * dy > width * width) {
                continue;
            }
            const Region other = shape.At(x + dx, y + dy);
            if (region == Region::kLead ? other == Region::kOutside : other != region) {
                return true;
            }
        }
    }
    return false;
}

PictureParts DrawScaled(int dpi) {
    PictureParts parts = BlankParts(Scaled(kPictureWidth, dpi), Scaled(kPictureHeight, dpi));
    const Silhouette shape(dpi, parts.width, parts.height);
    const int width = PictureOutlineWidth(dpi);
    for (int y = 0; y < parts.height; ++y) {
        for (int x = 0; x < parts.width; ++x) {
            const Region region = shape.At(x, y);
            if (region == Region::kOutside) {
                continue;
            }
            if (OnOutline(shape, x, y, width)) {
                Set(parts, x, y, PicturePart::kOutline);
            } else if (region == Region::kLead) {
                Set(parts, x, y, PicturePart::kLead);
            }
        }
    }
    return parts;
}

}  // namespace

int PictureOutlineWidth(int dpi) {
    return std::max(1, Scaled(1, dpi));
}

PictureParts DrawPictureParts(int dpi) {
    return dpi == kDesignDpi ? DrawAtDesignDpi() : DrawScaled(std::max(1, dpi));
}

}  // namespace kolvar
