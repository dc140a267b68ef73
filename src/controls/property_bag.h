#pragma once
// The host form's property bag: where a control keeps its settings between
// sessions, under short keys. A value of the wrong kind reads as missing, so a
// damaged form falls back to the defaults instead of misreading.
#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <variant>

#include "controls/canvas.h"

namespace controls {

using PropertyValue = std::variant<bool, std::int32_t, std::string, Font, Picture>;

class PropertyBag {
public:
    virtual ~PropertyBag() = default;
    virtual std::optional<PropertyValue> ReadProperty(const std::string& key) const = 0;
    virtual void WriteProperty(const std::string& key, const PropertyValue& value) = 0;
};

class MemoryPropertyBag : public PropertyBag {
public:
    std::optional<PropertyValue> ReadProperty(const std::string& key) const override;
    void WriteProperty(const std::string& key, const PropertyValue& value) override;
    bool contains(const std::string& key) const { return values_.count(key) != 0; }
    std::size_t size() const { return values_.size(); }

private:
    std::map<std::string, PropertyValue> values_;
};

template <class T>
T readOr(const PropertyBag& bag, const std::string& key, T fallback) {
    const auto value = bag.ReadProperty(key);
    if (!value) return fallback;
    if (const T* typed = std::get_if<T>(&*value)) return *typed;
    return fallback;
}

// Colours travel as 32-bit signed numbers, the way the bag stores them.
inline std::int32_t colourToBag(Color c) { return static_cast<std::int32_t>(c); }
inline Color colourFromBag(const PropertyBag& bag, const std::string& key, Color fallback) {
    return static_cast<Color>(readOr<std::int32_t>(bag, key, colourToBag(fallback)));
}

// The keys a control has marked changed since the host last saved it.
class ChangeMarks {
public:
    void PropertyChanged(const std::string& key) { keys_.insert(key); }
    bool isChanged(const std::string& key) const { return keys_.count(key) != 0; }
    bool any() const { return !keys_.empty(); }
    void clear() { keys_.clear(); }
    const std::set<std::string>& keys() const { return keys_; }

private:
    std::set<std::string> keys_;
};

}  // namespace controls
