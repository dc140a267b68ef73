#include <cstring>
#include <vector>

#include "store/open_key.h"
#include "store/settings_store.h"
#include "store/text_value.h"

namespace store {
namespace {

// Items end with one zero, the list with another; an empty list is two zeros.
void terminateItems(std::string& items) {
    items.push_back('\0');
    if (items.size() == 1) items.push_back('\0');
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
    OpenKey open{registry_};
    Status status = registry_.openKey(target, keyPath, platform::kKeyEnumerateSubKeys, open.key);
    if (status != platform::kSuccess) return status;
    std::vector<char> name(kNameBufferSize);
    for (std::uint32_t index = 0;; ++index) {
        if (walk == KeyWalk::Stoppable && progress.stopRequested()) break;
        if (registry_.enumKey(open.key, index, name.data(), kNameBufferSize) != platform::kSuccess) break;
        const std::string item(name.data(), strnlen(name.data(), kNameBufferSize));
        items += item;
        items.push_back('\0');
        if (walk == KeyWalk::Plain || !item.empty()) names.push_back(item);
        progress.showName(item);
    }
    terminateItems(items);
    return open.close();
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
    OpenKey open{registry_};
    Status status = registry_.openKey(target, keyPathOrSection, platform::kKeyQueryValue, open.key);
    if (status != platform::kSuccess) return status;
    std::vector<char> buffer(kNameBufferSize);
    for (std::uint32_t index = 0;;) {
        // A fresh buffer of blanks each step: the step that finds nothing reports it as the name.
        std::fill(buffer.begin(), buffer.end(), ' ');
        std::uint32_t length = kNameBufferSize, type = 0, size = 0;
        const bool found =
            registry_.enumValue(open.key, index, buffer.data(), &length, &type, nullptr, &size) == platform::kSuccess;
        const std::string name = found ? std::string(buffer.data(), std::min(length, kNameBufferSize))
                                       : std::string(kNameBufferSize, ' ');
        if (found) {
            status = appendValueItem(open.key, name, type, size, items);
            if (status != platform::kSuccess) return status;
            ++index;
        }
        step(name);
        if (!found) break;
    }
    terminateItems(items);
    return open.close();
}

Status SettingsStore::appendValueItem(platform::Key key, const std::string& name, std::uint32_t type,
                                      std::uint32_t size, std::string& items) {
    const bool text = type == platform::kRegSz;
    const bool number = type == platform::kRegDword || (type == platform::kRegBinary && size <= 2);
    if (!text && !number) return platform::kSuccess;
    std::vector<std::uint8_t> data(std::max<std::uint32_t>(size, 4), 0);
    std::uint32_t read = size;
    Status status = registry_.queryValue(key, name, &type, data.data(), &read);
    if (status != platform::kSuccess) return status;
    items += name;
    items += '=';
    if (text) {
        // The data as stored, its terminating zero included.
        items.append(reinterpret_cast<const char*>(data.data()), std::min(read, size));
        return platform::kSuccess;
    }
    std::uint32_t value = 0;
    for (std::uint32_t i = 0; i < std::min<std::uint32_t>(read, 4); ++i) value |= std::uint32_t(data[i]) << (8 * i);
    items += std::to_string(value);
    items.push_back('\0');
    return platform::kSuccess;
}

}  // namespace store
