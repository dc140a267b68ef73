#pragma once
// The services a feature is handed: one machine's registry, files and shell.
#include "platform/files.h"
#include "platform/processes.h"
#include "platform/profile.h"
#include "platform/registry.h"
#include "platform/desktop.h"
#include "platform/shortcuts.h"

namespace platform {

struct Machine {
    Registry& registry;
    Profile& profile;
    Files& files;
    Processes& processes;
    Shortcuts& shortcuts;
    Desktop& desktop;
};

}  // namespace platform
