#include "platform/icon.h"

#include <algorithm>
#include <vector>

#include "platform/application.h"
#include "platform/dib_reader.h"
#include "platform/icon_data.h"
#include "platform/surface_state.h"
#include "platform/system_metrics.h"

namespace kolvar {
namespace {

constexpr int kSmallIconSize = 16;
constexpr int kLargeIconSize = 32;

// The image drawn for that size, or the largest one scaled to it.
QImage ImageOfSize(const std::vector<QImage>& images, QSize size) {
    const auto exact = std::find_if(images.begin(), images.end(),
                                    [size](const QImage& image) { return image.size() == size; });
    if (exact != images.end()) {
        return *exact;
    }
    const auto largest =
        std::max_element(images.begin(), images.end(), [](const QImage& a, const QImage& b) {
            return a.width() * a.height() < b.width() * b.height();
        });
    return largest->scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QSize SmallIconSize() {
    const int size = GetSystemMetrics(SM_CXICON) * kSmallIconSize / kLargeIconSize;
    return {size, size};
}

}  // namespace

Icon::Icon() = default;
Icon::Icon(std::unique_ptr<IconData> data) : data_(std::move(data)) {}
Icon::Icon(Icon&&) noexcept = default;
Icon& Icon::operator=(Icon&&) noexcept = default;
Icon::~Icon() = default;

Icon LoadIcon(unsigned id) {
    const std::vector<QImage> images = ReadIconFile(AfxGetResourceModule().icon(id));
    if (images.empty()) {
        return Icon();
    }
    const QSize large(GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON));
    return Icon(std::make_unique<IconData>(
        IconData{ImageOfSize(images, large), ImageOfSize(images, SmallIconSize())}));
}

// The mask became the alpha channel: where it is set, the surface shows through.
bool DrawIcon(Surface& surface, int x, int y, const Icon& icon) {
    if (!icon) {
        return false;
    }
    const SurfacePainter painter(StateOf(surface));
    if (!painter) {
        return false;
    }
    painter->setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter->drawImage(QPoint(x, y), icon.data().large);
    return true;
}

}  // namespace kolvar
