#pragma once
// A registry handle the store opened: closed on every way out, so no handle
// outlives the operation; the normal end reports the close itself.
#include "platform/registry.h"

namespace store {

struct OpenKey {
    platform::Registry& registry;
    platform::Key key = 0;
    ~OpenKey() {
        if (key) registry.closeKey(key);
    }
    platform::Status close() {
        platform::Status status = registry.closeKey(key);
        key = 0;
        return status;
    }
};

}  // namespace store
