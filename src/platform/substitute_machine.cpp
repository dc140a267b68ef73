#include "platform/substitute_machine.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace platform {
namespace {

bool readWhole(const std::filesystem::path& path, std::string& text) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::ostringstream bytes;
    bytes << in.rdbuf();
    text = bytes.str();
    return true;
}

}  // namespace

SubstituteMachine::SubstituteMachine(const std::filesystem::path& driveC, const std::string& programFolder,
                                     const std::string& windowsFolder)
    : files(programFolder),
      profile(files, windowsFolder),
      shortcuts(files),
      driveC_(driveC),
      machine_{registry, profile, files, processes, shortcuts, desktop} {
    files.mapDrive('C', driveC);
}

bool SubstituteMachine::loadImage(const std::filesystem::path& image, RegFileError& error) {
    std::string text;
    if (!readWhole(image / "machine.reg", text)) {
        error = {0, 0, "cannot read " + (image / "machine.reg").string()};
        return false;
    }
    if (!loadRegFile(registry, text, error)) return false;
    // An image of the NT family keeps win.ini's [windows] section in the registry, as NT does.
    Key nt = 0, nineX = 0;
    std::uint32_t size = 0;
    const bool ntRoot = registry.openKey(kHkeyLocalMachine, "Software\\Microsoft\\Windows NT\\CurrentVersion",
                                         kKeyQueryValue, nt) == kSuccess &&
                        registry.queryValue(nt, "SystemRoot", nullptr, nullptr, &size) == kSuccess;
    const bool nineXRoot = registry.openKey(kHkeyLocalMachine, "Software\\Microsoft\\Windows\\CurrentVersion",
                                            kKeyQueryValue, nineX) == kSuccess &&
                           registry.queryValue(nineX, "SystemRoot", nullptr, nullptr, &size) == kSuccess;
    if (nt) registry.closeKey(nt);
    if (nineX) registry.closeKey(nineX);
    if (ntRoot && !nineXRoot) profile.mapWindowsSection(registry);
    std::error_code copyError;
    if (std::filesystem::exists(image / "c"))
        std::filesystem::copy(image / "c", driveC_,
                              std::filesystem::copy_options::recursive |
                                  std::filesystem::copy_options::overwrite_existing,
                              copyError);
    if (copyError) {
        error = {0, 0, "cannot copy the file tree: " + copyError.message()};
        return false;
    }
    // Git keeps no DOS attributes, so the image lists them: "C:\path=0x6".
    std::string attributes;
    if (readWhole(image / "attributes.txt", attributes)) {
        std::istringstream lines(attributes);
        std::string line;
        while (std::getline(lines, line)) {
            auto equals = line.rfind('=');
            if (line.empty() || line[0] == ';' || equals == std::string::npos) continue;
            files.setAttributes(line.substr(0, equals),
                                static_cast<std::uint32_t>(std::strtoul(line.substr(equals + 1).c_str(), nullptr, 0)));
        }
    }
    return true;
}

}  // namespace platform
