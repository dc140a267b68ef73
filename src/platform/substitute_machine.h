#pragma once
// A whole machine made of substitutes: the registry in memory, drive C: on a
// host folder, INI files and shortcuts on that tree, process starts recorded.
#include <filesystem>
#include <string>

#include "platform/codec_shortcuts.h"
#include "platform/host_files.h"
#include "platform/ini_profile.h"
#include "platform/machine.h"
#include "platform/memory_registry.h"
#include "platform/recorded_processes.h"
#include "platform/reg_file.h"
#include "platform/scripted_desktop.h"

namespace platform {

class SubstituteMachine {
public:
    // `driveC` is the host folder that plays C:\. The program lives in
    // `programFolder` (a Windows path on that drive).
    SubstituteMachine(const std::filesystem::path& driveC, const std::string& programFolder,
                      const std::string& windowsFolder = "C:\\WINDOWS");

    // Loads a machine image: `image`/machine.reg into the registry and the tree
    // `image`/c copied onto drive C:. False with `error` set when the .reg is
    // malformed (the registry is then unchanged).
    bool loadImage(const std::filesystem::path& image, RegFileError& error);

    Machine& machine() { return machine_; }

    MemoryRegistry registry;
    HostFiles files;
    IniProfile profile;
    RecordedProcesses processes;
    CodecShortcuts shortcuts;
    ScriptedDesktop desktop;

private:
    std::filesystem::path driveC_;
    Machine machine_;
};

}  // namespace platform
