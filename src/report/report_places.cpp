#include "report/report_places.h"

#include "platform/registry_key.h"
#include "platform/registry_roots.h"

namespace report {

std::string rootName(platform::Key root) {
    const platform::RootName* name = platform::rootByHandle(root);
    return name ? std::string(name->regFileName) : std::string();
}

std::string viewName(const platform::RegistryViews& views, platform::View view) {
    switch (views.resolved(view)) {
        case platform::View::Bits32: return "32-bit";
        case platform::View::Bits64: return "64-bit";
        case platform::View::Native: break;
    }
    return "native";
}

void warnIfRefused(ReportContext& context, platform::Key root, const std::string& path, platform::View view) {
    platform::RegKey key;
    const platform::Status status =
        platform::RegKey::open(context.machine.registry, root, path, view, platform::kKeyRead, key);
    if (status == platform::kSuccess || status == platform::kFileNotFound) return;
    context.warn("cannot read " + context.ansiToUtf8(rootName(root) + "\\" + path) + ": " +
                 context.ansiToUtf8(context.machine.desktop.statusText(static_cast<std::uint32_t>(status))));
}

}  // namespace report
