#include "uninstall/installed_programs.h"

#include <cctype>
#include <string_view>

#include "platform/registry_key.h"
#include "store/text_value.h"

namespace uninstall {
namespace {

constexpr const char* kUninstallNinex = "Software\\Microsoft\\windows\\currentversion\\uninstall";
constexpr const char* kUninstallNt = "Software\\Microsoft\\windows nt\\currentversion\\uninstall";

constexpr const char* kListedValues[] = {"DisplayName",   "UninstallString", "Publisher",        "DisplayVersion",
                                         "InstallDate",   "EstimatedSize",   "SystemComponent",  "WindowsInstaller",
                                         "ParentKeyName", "ReleaseType"};

bool sameText(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

std::optional<std::uint64_t> numberOf(const platform::RegValue& value) {
    if (value.type != platform::kRegDword || value.data.size() < 4) return std::nullopt;
    std::uint64_t number = 0;
    for (std::size_t i = 0; i < 4; ++i) number |= std::uint64_t(static_cast<unsigned char>(value.data[i])) << (8 * i);
    return number;
}

// The values an entry is listed by, gathered from one walk over its values.
struct EntryValues {
    std::string name, command, publisher, version, installDate, parentKeyName, releaseType;
    bool expandable = false, systemComponent = false, windowsInstaller = false;
    std::optional<std::uint64_t> sizeKb;

    void take(const platform::NamedRegValue& named) {
        const std::string text = platform::textOf(named.value).value_or("");
        const std::string& n = named.name;
        if (sameText(n, "DisplayName")) name = text;
        else if (sameText(n, "UninstallString")) {
            command = text;
            expandable = named.value.type == platform::kRegExpandSz;
        } else if (sameText(n, "Publisher")) publisher = text;
        else if (sameText(n, "DisplayVersion")) version = text;
        else if (sameText(n, "InstallDate")) installDate = text;
        else if (sameText(n, "EstimatedSize")) sizeKb = numberOf(named.value);
        else if (sameText(n, "SystemComponent")) systemComponent = numberOf(named.value) == 1u;
        else if (sameText(n, "WindowsInstaller")) windowsInstaller = numberOf(named.value) == 1u;
        else if (sameText(n, "ParentKeyName")) parentKeyName = text;
        else if (sameText(n, "ReleaseType")) releaseType = text;
    }
    // What Programs and Features leaves out unless asked for system components and updates.
    bool hiddenByWindows() const {
        if (systemComponent || !store::trimSpaces(parentKeyName).empty()) return true;
        for (const char* update : {"Update", "Hotfix", "Security Update"})
            if (sameText(store::trimSpaces(releaseType), update)) return true;
        return false;
    }
};

// One place's entries, appended to `listing`; false when the progress call stopped it.
bool listPlace(platform::Registry& registry, const UninstallPlace& place, bool first, const ListingSettings& settings,
               const ListingProgress& progress, Listing& listing) {
    const std::string& listed = place.ntPath.empty() ? place.ninexPath
                                                     : platform::ninexOrNtPath(registry, place.root, place.ninexPath,
                                                                               place.ntPath, place.view);
    const bool ntForm = !place.ntPath.empty() && &listed == &place.ntPath;
    if (first) listing.ntForm = ntForm;
    const std::string& otherForm = place.ntPath.empty() ? place.ntPath : ntForm ? place.ninexPath : place.ntPath;
    std::vector<std::string> names;
    bool stopped = false;
    // Entries are opened below the place's own key: the registry then looks up one name, not the whole path.
    platform::RegKey placeKey;
    if (platform::RegKey::open(registry, place.root, listed, place.view, platform::kKeyRead, placeKey) ==
        platform::kSuccess)
        placeKey.subkeyNames(names, [&] { return !(stopped = progress && !progress("")); });
    // A partial name list is no listing: read none of it.
    if (stopped) return false;
    for (const std::string& name : names) {
        if (progress && !progress(name)) return false;
        // Each entry's values come afresh: a missing one is empty, never the one before.
        platform::RegKey entry;
        if (platform::RegKey::open(registry, placeKey.handle(), name, place.view, platform::kKeyQueryValue, entry) !=
            platform::kSuccess)
            continue;
        // Only the values a listing shows or judges by, each asked by name: far
        // fewer calls than walking every value of the entry.
        EntryValues read;
        for (const char* wanted : kListedValues) {
            platform::NamedRegValue value{wanted, {}};
            if (entry.read(wanted, value.value) == platform::kSuccess) read.take(value);
        }
        InstalledProgram program;
        program.name = store::trimSpaces(read.name);
        if (program.name.empty() || (!settings.showSystem && read.hiddenByWindows())) continue;
        program.command = read.command;
        program.expandable = read.expandable;
        program.keyName = name;
        program.root = place.root;
        program.view = place.view;
        program.keyPath = listed + "\\" + name;
        if (!otherForm.empty()) program.otherFormPath = otherForm + "\\" + name;
        program.audience = place.audience;
        program.publisher = store::trimSpaces(read.publisher);
        program.version = store::trimSpaces(read.version);
        program.installDate = read.installDate;
        program.sizeKb = read.sizeKb;
        program.systemOrUpdate = read.hiddenByWindows();
        program.windowsInstaller = read.windowsInstaller && isProductCode(name);
        listing.programs.push_back(std::move(program));
    }
    return true;
}

}  // namespace

std::vector<UninstallPlace> uninstallPlaces(const platform::RegistryViews& views) {
    std::vector<UninstallPlace> places{
        {platform::kHkeyLocalMachine, platform::View::Native, kUninstallNinex, kUninstallNt, Audience::AllUsers}};
    if (views.hasSecondView()) {
        const platform::View other = views.otherView();
        places.push_back({platform::kHkeyLocalMachine, other, kUninstallNinex, kUninstallNt,
                          other == platform::View::Bits32 ? Audience::AllUsers32Bit : Audience::AllUsers64Bit});
    }
    places.push_back({platform::kHkeyCurrentUser, platform::View::Native, kUninstallNinex, "", Audience::CurrentUser});
    return places;
}

Listing listInstalledPrograms(platform::Machine& machine, const ListingSettings& settings,
                              const ListingProgress& progress) {
    platform::Registry& registry = machine.registry;
    const std::vector<UninstallPlace> places =
        settings.places ? *settings.places : uninstallPlaces(registry.views());
    Listing listing;
    for (std::size_t p = 0; p < places.size(); ++p)
        if (!listPlace(registry, places[p], p == 0, settings, progress, listing)) {
            listing.stopped = true;
            break;
        }
    return listing;
}

bool isProductCode(const std::string& keyName) {
    static constexpr const char* kShape = "{hhhhhhhh-hhhh-hhhh-hhhh-hhhhhhhhhhhh}";
    if (keyName.size() != std::char_traits<char>::length(kShape)) return false;
    for (std::size_t i = 0; i < keyName.size(); ++i) {
        const bool hexDigit = std::isxdigit(static_cast<unsigned char>(keyName[i])) != 0;
        if (kShape[i] == 'h' ? !hexDigit : keyName[i] != kShape[i]) return false;
    }
    return true;
}

std::string commandToRun(const InstalledProgram& program) {
    return program.windowsInstaller ? "msiexec.exe /x " + program.keyName : program.command;
}

}  // namespace uninstall
