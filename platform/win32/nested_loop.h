#pragma once

// Inside the Win32 backend only: the system runs a dialog's modal loop and a menu's tracking
// loop itself, out of the program's sight, so the backend counts them while they run, for the
// test seam, which reports how deep the loops are nested.

namespace kolvar {

// One of the system's own loops running, for the life of the object.
class NestedLoop {
public:
    NestedLoop() { ++depth_; }
    ~NestedLoop() { --depth_; }
    NestedLoop(const NestedLoop&) = delete;
    NestedLoop& operator=(const NestedLoop&) = delete;

    static int Depth() { return depth_; }

private:
    static inline int depth_ = 0;
};

}  // namespace kolvar
