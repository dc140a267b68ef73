#include "shell/startup_checks.h"

#include "store/settings_store.h"
#include "store/text_value.h"

namespace shell {

namespace {

// The stored resolution reads "width,height"; every comma closes a width to
// test. The user is asked once: after a Yes the display settings are open
// and asking again would only open them twice.
bool screenWideEnough(platform::Machine& machine) {
    store::SettingsStore store(machine.registry, machine.profile, machine.files);
    std::string stored;
    store.readString(platform::kHkeyCurrentUser, kResolutionKey, kResolutionValue, stored);
    const std::string resolution = store::trimSpaces(stored);
    for (std::size_t i = 0; i < resolution.size(); ++i) {
        if (resolution[i] != ',') continue;
        if (store::leadingNumber(std::string_view(resolution).substr(0, i)) >= kMinimumScreenWidth) continue;
        const auto answer = machine.desktop.messageBox(
            kResolutionMessage, kResolutionTitle, platform::MessageIcon::Critical, platform::MessageButtons::YesNo);
        if (answer != platform::MessageAnswer::Yes) return false;
        machine.processes.start(kDisplaySettingsCommand, platform::ShowState::Normal);
        return true;
    }
    return true;
}

}  // namespace

bool runStartupChecks(platform::Machine& machine) {
    if (machine.desktop.anotherInstanceRunning()) {
        machine.desktop.messageBox(kAnotherCopyMessage, "", platform::MessageIcon::Critical,
                                   platform::MessageButtons::Ok);
        machine.desktop.endProcess();
        return false;
    }
    if (!screenWideEnough(machine)) {
        machine.desktop.endProcess();
        return false;
    }
    return true;
}

}  // namespace shell
