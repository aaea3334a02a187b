// The count of live drawing objects, whatever the backend makes them of.

#include "platform/surface.h"

namespace kolvar {
namespace {

// One thread draws, so a plain counter is enough.
int& LiveCount() {
    static int count = 0;
    return count;
}

}  // namespace

int LiveDrawingObjects() {
    return LiveCount();
}

CountedObject::CountedObject() {
    ++LiveCount();
}

// A copy, and a move too, makes one more C++ object that its own destructor will uncount.
CountedObject::CountedObject(const CountedObject&) {
    ++LiveCount();
}

CountedObject::~CountedObject() {
    --LiveCount();
}

}  // namespace kolvar
