#include "controls/property_bag.h"

namespace controls {

std::optional<PropertyValue> MemoryPropertyBag::ReadProperty(const std::string& key) const {
    const auto it = values_.find(key);
    if (it == values_.end()) return std::nullopt;
    return it->second;
}

void MemoryPropertyBag::WriteProperty(const std::string& key, const PropertyValue& value) {
    values_.insert_or_assign(key, value);
}

}  // namespace controls
