#include "scanner/scan_context.h"

#include "platform/registry_key.h"

namespace scanner {
namespace {

template <typename List>
std::vector<std::string> names(ScanContext& context, platform::Key root, platform::View view, const std::string& path,
                               platform::Status* status, List list) {
    std::vector<std::string> found;
    platform::RegKey key;
    platform::Status result = platform::RegKey::open(context.registry, root, path, view,
                                                     platform::kKeyQueryValue | platform::kKeyEnumerateSubKeys, key);
    if (result == platform::kSuccess) result = (key.*list)(found, [&] { return context.nextStep(found.back()); });
    if (status) *status = result;
    return found;
}

}  // namespace

ValueText readValueText(ScanContext& context, platform::Key root, platform::View view, const std::string& path,
                        const std::string& name) {
    platform::RegValue raw;
    ValueText value;
    if (platform::readValue(context.registry, root, path, view, name, raw) != platform::kSuccess) return value;
    if (const auto text = platform::textOf(raw)) {
        value.kind = ValueText::Kind::Text;
        value.text = raw.type == platform::kRegExpandSz ? context.processes.expandEnvironment(*text) : *text;
    } else if (raw.type == platform::kRegDword && raw.data.size() >= 4) {
        std::uint32_t number = 0;
        for (int i = 0; i < 4; ++i) number |= std::uint32_t(static_cast<unsigned char>(raw.data[i])) << (8 * i);
        value.kind = ValueText::Kind::Text;
        value.text = std::to_string(number);
    } else {
        value.kind = ValueText::Kind::OtherType;
    }
    return value;
}

std::string readText(ScanContext& context, platform::Key root, platform::View view, const std::string& path,
                     const std::string& name) {
    ValueText value = readValueText(context, root, view, path, name);
    return value.isText() ? std::move(value.text) : std::string();
}

std::vector<std::string> subkeyNames(ScanContext& context, platform::Key root, platform::View view,
                                     const std::string& path, platform::Status* status) {
    return names(context, root, view, path, status, &platform::RegKey::subkeyNames);
}

std::vector<std::string> valueNames(ScanContext& context, platform::Key root, platform::View view,
                                    const std::string& path, platform::Status* status) {
    return names(context, root, view, path, status, &platform::RegKey::valueNames);
}

std::string progressLine(std::size_t index, std::size_t count) {
    return "Checking    " + std::to_string(index) + " / " + std::to_string(count);
}

}  // namespace scanner
