#include <cstring>
#include <vector>

#include "store/open_key.h"
#include "store/settings_store.h"
#include "store/text_value.h"

namespace store {
namespace {

// Items end with one zero, the list with another; an empty list is two zeros.
void terminateItems(std::string& svalues) {
    svalues.push_back('\0');
    if (svalues.size() == 1) svalues.push_back('\0');
}

}  // namespace

Status SettingsStore::fEnumKey(const std::string& sTopKey, const std::string& sSubKey, std::string& svalues,
                               EnumOutputs& out) {
    return enumKeys(sTopKey, sSubKey, svalues, out, KeyVariant::Plain);
}

Status SettingsStore::fEnumKey1(const std::string& sTopKey, const std::string& sSubKey, std::string& svalues,
                                EnumOutputs& out) {
    return enumKeys(sTopKey, sSubKey, svalues, out, KeyVariant::Searchable);
}

Status SettingsStore::enumKeys(const std::string& sTopKey, const std::string& sSubKey, std::string& svalues,
                               EnumOutputs& out, KeyVariant variant) {
    const WorkingList list = variant == KeyVariant::Plain ? WorkingList::List1 : WorkingList::List4;
    out.clearList(list);
    const platform::Key target = fResolveTopKey(sTopKey);
    if (target == kUnknownTarget) return kUnknownRoot;
    if (target == kIniTarget) return platform::kInvalidHandle;
    OpenKey open{registry_};
    Status status = registry_.openKey(target, sSubKey, platform::kKeyEnumerateSubKeys, open.key);
    if (status != platform::kSuccess) return status;
    std::vector<char> name(kNameBufferSize);
    for (std::uint32_t index = 0;; ++index) {
        // The search box reading 2 is the user's way to stop a long walk.
        if (variant == KeyVariant::Searchable && leadingNumber(out.searchText()) == 2) break;
        if (registry_.enumKey(open.key, index, name.data(), kNameBufferSize) != platform::kSuccess) break;
        const std::string item(name.data(), strnlen(name.data(), kNameBufferSize));
        svalues += item;
        svalues.push_back('\0');
        if (variant == KeyVariant::Plain || !item.empty()) out.addToList(list, item);
        out.showProgress(item);
    }
    terminateItems(svalues);
    return open.close();
}

Status SettingsStore::fEnumValue(const std::string& sTopKeyOrIniFile, const std::string& sSubKeyOrSection,
                                 std::string& svalues, EnumOutputs& out) {
    return enumValues(sTopKeyOrIniFile, sSubKeyOrSection, svalues, out, ValueVariant::Listed);
}

Status SettingsStore::fEnumValuea(const std::string& sTopKeyOrIniFile, const std::string& sSubKeyOrSection,
                                  std::string& svalues, EnumOutputs& out) {
    return enumValues(sTopKeyOrIniFile, sSubKeyOrSection, svalues, out, ValueVariant::Joined);
}

Status SettingsStore::enumValues(const std::string& sTopKeyOrIniFile, const std::string& sSubKeyOrSection,
                                 std::string& svalues, EnumOutputs& out, ValueVariant variant) {
    if (variant == ValueVariant::Listed) out.clearList(WorkingList::List5);
    const platform::Key target = fResolveTopKey(sTopKeyOrIniFile);
    if (target == kUnknownTarget) return kUnknownRoot;
    if (target == kIniTarget) {
        svalues.assign(kIniSectionBufferSize, ' ');
        profile_.getSection(sSubKeyOrSection, svalues.data(), kIniSectionBufferSize, sTopKeyOrIniFile);
        return platform::kSuccess;
    }
    OpenKey open{registry_};
    Status status = registry_.openKey(target, sSubKeyOrSection, platform::kKeyQueryValue, open.key);
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
            status = appendValueItem(open.key, name, type, size, svalues);
            if (status != platform::kSuccess) return status;
            ++index;
        }
        if (variant == ValueVariant::Listed) {
            out.showProgress(name);
            out.addToList(WorkingList::List5, trimSpaces(name));
        } else {
            const std::string joined = out.text1();
            out.setText1(trimSpaces(joined).empty() ? name : joined + "," + name);
        }
        if (!found) break;
    }
    terminateItems(svalues);
    return open.close();
}

Status SettingsStore::appendValueItem(platform::Key key, const std::string& name, std::uint32_t type,
                                      std::uint32_t size, std::string& svalues) {
    const bool text = type == platform::kRegSz;
    const bool number = type == platform::kRegDword || (type == platform::kRegBinary && size <= 2);
    if (!text && !number) return platform::kSuccess;
    std::vector<std::uint8_t> data(std::max<std::uint32_t>(size, 4), 0);
    std::uint32_t read = size;
    Status status = registry_.queryValue(key, name, &type, data.data(), &read);
    if (status != platform::kSuccess) return status;
    svalues += name;
    svalues += '=';
    if (text) {
        // The data as stored, its terminating zero included.
        svalues.append(reinterpret_cast<const char*>(data.data()), std::min(read, size));
        return platform::kSuccess;
    }
    std::uint32_t value = 0;
    for (std::uint32_t i = 0; i < std::min<std::uint32_t>(read, 4); ++i) value |= std::uint32_t(data[i]) << (8 * i);
    svalues += std::to_string(value);
    svalues.push_back('\0');
    return platform::kSuccess;
}

}  // namespace store
