#include "scanner/scan_context.h"

namespace scanner {

ValueText readValueText(ScanContext& context, platform::Key root, const std::string& path, const std::string& name) {
    std::uint32_t type = 0;
    std::string data;
    ValueText value;
    if (context.store.readRawValue(root, path, name, type, data) != platform::kSuccess) return value;
    if (type == platform::kRegSz || type == platform::kRegExpandSz) {
        // Text ends at its first zero, whether the writer stored one or not.
        data = data.substr(0, data.find('\0'));
        value.kind = ValueText::Kind::Text;
        value.text = type == platform::kRegExpandSz ? context.processes.expandEnvironment(data) : data;
    } else if (type == platform::kRegDword && data.size() >= 4) {
        std::uint32_t number = 0;
        for (int i = 0; i < 4; ++i) number |= std::uint32_t(static_cast<unsigned char>(data[i])) << (8 * i);
        value.kind = ValueText::Kind::Text;
        value.text = std::to_string(number);
    } else {
        value.kind = ValueText::Kind::OtherType;
    }
    return value;
}

std::string readText(ScanContext& context, platform::Key root, const std::string& path, const std::string& name) {
    ValueText value = readValueText(context, root, path, name);
    return value.isText() ? value.text : std::string();
}

std::string progressLine(std::size_t index, std::size_t count) {
    return "Checking    " + std::to_string(index) + " / " + std::to_string(count);
}

}  // namespace scanner
