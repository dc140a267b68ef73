#include "uninstall/installed_programs.h"

#include "platform/registry_key.h"
#include "store/text_value.h"

namespace uninstall {
namespace {

constexpr const char* kDisplayNameValue = "displayname";
constexpr const char* kCommandValue = "UninstallString";

std::string textIn(const platform::RegKey& key, const char* name, bool* expandable = nullptr) {
    platform::RegValue value;
    if (key.read(name, value) != platform::kSuccess) return {};
    if (expandable) *expandable = value.type == platform::kRegExpandSz;
    return platform::textOf(value).value_or("");
}

}  // namespace

std::vector<UninstallPlace> machinePlaces() {
    return {{platform::kHkeyLocalMachine, platform::View::Native,
             "Software\\Microsoft\\windows\\currentversion\\uninstall",
             "Software\\Microsoft\\windows nt\\currentversion\\uninstall"}};
}

Listing listInstalledPrograms(platform::Machine& machine, const ListingSettings& settings,
                              const ListingProgress& progress) {
    platform::Registry& registry = machine.registry;
    Listing listing;
    for (std::size_t p = 0; p < settings.places.size(); ++p) {
        const UninstallPlace& place = settings.places[p];
        const std::string& listed = place.ntPath.empty()
                                        ? place.ninexPath
                                        : platform::ninexOrNtPath(registry, place.root, place.ninexPath,
                                                                  place.ntPath, place.view);
        const bool ntForm = !place.ntPath.empty() && &listed == &place.ntPath;
        if (p == 0) listing.ntForm = ntForm;
        const std::string& otherForm = place.ntPath.empty() ? place.ntPath : ntForm ? place.ninexPath : place.ntPath;
        std::vector<std::string> names;
        bool stopped = false;
        {
            platform::RegKey key;
            if (platform::RegKey::open(registry, place.root, listed, place.view, platform::kKeyRead, key) ==
                platform::kSuccess)
                key.subkeyNames(names, [&] { return !(stopped = progress && !progress("")); });
        }
        // A partial name list is no listing: read none of it.
        if (stopped) {
            listing.stopped = true;
            return listing;
        }
        for (const std::string& name : names) {
            if (progress && !progress(name)) {
                listing.stopped = true;
                return listing;
            }
            // Each entry's values come afresh: a missing one is empty, never the one before.
            platform::RegKey entry;
            if (platform::RegKey::open(registry, place.root, listed + "\\" + name, place.view,
                                       platform::kKeyQueryValue, entry) != platform::kSuccess)
                continue;
            InstalledProgram program;
            program.name = store::trimSpaces(textIn(entry, kDisplayNameValue));
            if (program.name.empty()) continue;
            program.command = textIn(entry, kCommandValue, &program.expandable);
            program.keyName = name;
            program.root = place.root;
            program.view = place.view;
            program.keyPath = listed + "\\" + name;
            if (!otherForm.empty()) program.otherFormPath = otherForm + "\\" + name;
            listing.programs.push_back(std::move(program));
        }
    }
    return listing;
}

}  // namespace uninstall
