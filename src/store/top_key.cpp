#include "platform/registry_roots.h"
#include "store/settings_store.h"
#include "store/text_value.h"

namespace store {

platform::Key SettingsStore::resolveRoot(const std::string& designation) {
    if (const platform::RootName* root = platform::rootByWord(designation)) {
        // Recognised, but no operation of ours reaches these roots.
        const bool unreached = root->handle == platform::kHkeyCurrentConfig || root->handle == platform::kHkeyDynData;
        return unreached ? kUnknownTarget : root->handle;
    }
    // Exactly that path: a wildcard would let a pattern pass for a file.
    if (designation.find_first_of("*?") != std::string::npos) return kUnknownTarget;
    return platform::findOrdinaryFile(files_, designation).empty() ? kUnknownTarget : kIniTarget;
}

std::string valueText(const Value& value) {
    if (const auto* text = std::get_if<std::string>(&value)) return *text;
    if (const auto* truth = std::get_if<bool>(&value)) return *truth ? "True" : "False";
    return std::to_string(std::get<std::int32_t>(value));
}

}  // namespace store
