#include <algorithm>

#include "platform/registry_key.h"
#include "store/settings_store.h"
#include "store/text_value.h"

namespace store {
namespace {

// Items end with one zero, the list with another; an empty list is two zeros.
void terminateItems(std::string& items) {
    items.push_back('\0');
    if (items.size() == 1) items.push_back('\0');
}

// "name=text" with the text as stored (its zero included), "name=number" and a
// zero for DWORDs and the two-byte binaries the program keeps numbers in; other
// values add nothing.
void appendValueItem(const platform::NamedRegValue& value, std::string& items) {
    const std::uint32_t type = value.value.type;
    const bool text = type == platform::kRegSz;
    const bool number = type == platform::kRegDword || (type == platform::kRegBinary && value.value.data.size() <= 2);
    if (!text && !number) return;
    items += value.name;
    items += '=';
    if (text) {
        items += value.value.data;
        return;
    }
    items += std::to_string(littleEndianNumber(value.value.data));
    items.push_back('\0');
}

}  // namespace

Status SettingsStore::enumerateSubkeys(const std::string& root, const std::string& keyPath, std::string& items,
                                       std::vector<std::string>& names, EnumerationProgress& progress) {
    return walkSubkeys(root, keyPath, items, names, progress, KeyWalk::Plain);
}

Status SettingsStore::enumerateSubkeysUntilStopped(const std::string& root, const std::string& keyPath,
                                                   std::string& items, std::vector<std::string>& names,
                                                   EnumerationProgress& progress) {
    return walkSubkeys(root, keyPath, items, names, progress, KeyWalk::Stoppable);
}

Status SettingsStore::walkSubkeys(const std::string& root, const std::string& keyPath, std::string& items,
                                  std::vector<std::string>& names, EnumerationProgress& progress, KeyWalk walk) {
    names.clear();
    const platform::Key target = resolveRoot(root);
    if (target == kUnknownTarget) return kUnknownRoot;
    if (target == kIniTarget) return platform::kInvalidHandle;
    platform::RegKey key;
    Status status =
        platform::RegKey::open(registry_, target, keyPath, platform::View::Native, platform::kKeyEnumerateSubKeys, key);
    if (status != platform::kSuccess) return status;
    const bool stoppable = walk == KeyWalk::Stoppable;
    std::vector<std::string> found;
    if (!(stoppable && progress.stopRequested())) {
        // A walk that fails half-way keeps what it found, as the program always did.
        key.subkeyNames(found, [&] {
            const std::string& item = found.back();
            items += item;
            items.push_back('\0');
            if (!stoppable || !item.empty()) names.push_back(item);
            progress.showName(item);
            return !(stoppable && progress.stopRequested());
        });
    }
    terminateItems(items);
    return key.close();
}

Status SettingsStore::enumerateValues(const std::string& root, const std::string& keyPathOrSection, std::string& items,
                                      std::vector<std::string>& names, EnumerationProgress& progress) {
    names.clear();
    return walkValues(root, keyPathOrSection, items, [&](const std::string& name) {
        progress.showName(name);
        names.push_back(trimSpaces(name));
    });
}

Status SettingsStore::listValueNames(const std::string& root, const std::string& keyPath,
                                     std::vector<std::string>& names, EnumerationProgress& progress) {
    names.clear();
    if (resolveRoot(root) == kIniTarget) return platform::kInvalidHandle;
    std::string items;
    std::size_t steps = 0;
    const Status status = walkValues(root, keyPath, items, [&](const std::string& name) {
        ++steps;
        names.push_back(name);
        progress.showName(name);
    });
    // The last step reports the blank buffer of the search that found nothing.
    if (status == platform::kSuccess && steps > 0) names.pop_back();
    return status;
}

Status SettingsStore::appendValueNames(const std::string& root, const std::string& keyPathOrSection, std::string& items,
                                       std::string& joinedNames) {
    return walkValues(root, keyPathOrSection, items, [&](const std::string& name) {
        joinedNames = trimSpaces(joinedNames).empty() ? name : joinedNames + "," + name;
    });
}

Status SettingsStore::walkValues(const std::string& root, const std::string& keyPathOrSection, std::string& items,
                                 const std::function<void(const std::string&)>& step) {
    const platform::Key target = resolveRoot(root);
    if (target == kUnknownTarget) return kUnknownRoot;
    if (target == kIniTarget) {
        items.assign(kIniSectionBufferSize, ' ');
        profile_.getSection(keyPathOrSection, items.data(), kIniSectionBufferSize, root);
        return platform::kSuccess;
    }
    platform::RegKey key;
    Status status =
        platform::RegKey::open(registry_, target, keyPathOrSection, platform::View::Native, platform::kKeyQueryValue, key);
    if (status != platform::kSuccess) return status;
    std::vector<platform::NamedRegValue> values;
    // As with subkeys, a walk that fails half-way keeps what it found.
    key.values(
        values,
        [&] {
            appendValueItem(values.back(), items);
            step(values.back().name);
            values.pop_back();  // each value is done with once it is in the items
            return true;
        },
        platform::DefaultValue::Listed);
    // The search that finds nothing more reports its buffer, still blank, as one more name.
    step(std::string(kNameBufferSize, ' '));
    terminateItems(items);
    return key.close();
}

}  // namespace store
