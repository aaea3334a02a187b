#pragma once

#include <memory>

#include "platform/drawing_objects.h"

namespace kolvar {

class Surface;
struct IconData;

// An icon of the program's resources, in the system's large icon size, with its mask.
class Icon : CountedObject {
public:
    Icon();
    explicit Icon(std::unique_ptr<IconData> data);
    Icon(Icon&&) noexcept;
    Icon& operator=(Icon&&) noexcept;
    ~Icon();

    explicit operator bool() const { return data_ != nullptr; }
    IconData& data() const { return *data_; }

private:
    std::unique_ptr<IconData> data_;
};

Icon LoadIcon(unsigned id);
bool DrawIcon(Surface& surface, int x, int y, const Icon& icon);

}  // namespace kolvar
