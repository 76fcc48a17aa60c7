#include "mappedread.h"

namespace kelvane {

// Files are read, never mapped, on this platform: nothing can be taken away while they are.
bool ReadMapped(void (*read)(void* context), void* context) noexcept {
    read(context);
    return true;
}

}  // namespace kelvane
