#include "uninstall/uninstall_command.h"

#include <cctype>

#include "store/text_value.h"

namespace uninstall {
namespace {

bool existsAsFile(const std::string& path, platform::Files& files) {
    std::uint32_t attributes = 0;
    return files.getAttributes(path, attributes) == platform::kSuccess && !(attributes & platform::kAttrDirectory);
}

std::string lowerCase(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

}  // namespace

std::vector<std::string> quotedPaths(const std::string& command) {
    std::vector<std::string> paths;
    const std::string text = store::trimSpaces(command);
    bool inside = false;
    std::size_t end = 0;
    for (std::size_t i = text.size(); i-- > 0;) {
        if (text[i] != '"') continue;
        if (!inside) {
            end = i;
            inside = true;
        } else {
            paths.push_back(text.substr(i + 1, end - i - 1));
            inside = false;
        }
    }
    return paths;
}

bool uninstallerMissing(const std::string& path, platform::Files& files) {
    if (path.size() < 4) return false;
    if (lowerCase(path.substr(path.size() - 4)) == ".log") return false;
    if (path[path.size() - 4] != '.') return false;
    std::uint32_t attributes = 0;
    const platform::Status status = files.getAttributes(path, attributes);
    return status == platform::kFileNotFound || status == platform::kPathNotFound;
}

std::string commandLineToStart(const std::string& command, platform::Files& files) {
    const std::string text = store::trimSpaces(command);
    if (text.empty() || text.front() == '"') return text;
    const std::string lower = lowerCase(text);
    for (std::size_t at = lower.find(".exe"); at != std::string::npos; at = lower.find(".exe", at + 1)) {
        const std::size_t end = at + 4;
        if (end < text.size() && text[end] != ' ') continue;
        const std::string program = text.substr(0, end);
        if (program.find(' ') == std::string::npos) return text;  // the system finds this one itself
        if (existsAsFile(program, files)) return "\"" + program + "\"" + text.substr(end);
    }
    return text;
}

}  // namespace uninstall
