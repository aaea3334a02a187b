#pragma once

// Inside the platform only: what an Icon is made of on Qt.

#include <QImage>

namespace kolvar {

// Both with an alpha channel made from the icon's mask.
struct IconData {
    QImage large;  // SM_CXICON x SM_CYICON
    QImage small;  // for title bars and task bars
};

}  // namespace kolvar
