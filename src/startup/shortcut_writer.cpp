#include "startup/shortcut_writer.h"

#include <cctype>

#include "store/text_value.h"

namespace startup {
namespace {

bool isFile(platform::Files& files, const std::string& path) {
    std::uint32_t attributes = 0;
    return files.getAttributes(path, attributes) == platform::kSuccess && !(attributes & platform::kAttrDirectory);
}

bool endsInProgramExtension(const std::string& path) {
    const std::size_t dot = path.rfind('.');
    if (dot == std::string::npos || path.find('\\', dot) != std::string::npos) return false;
    std::string extension;
    for (char c : path.substr(dot + 1)) extension += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return extension == "exe" || extension == "com" || extension == "bat" || extension == "cmd" ||
           extension == "pif" || extension == "lnk";
}

std::string folderOf(const std::string& program) {
    const std::size_t slash = program.rfind('\\');
    return slash == std::string::npos ? std::string() : program.substr(0, slash + 1);
}

ProgramAndArguments cutAt(const std::string& command, std::size_t end) {
    return {command.substr(0, end), store::trimSpaces(command.substr(end))};
}

}  // namespace

ProgramAndArguments splitCommand(platform::Files& files, const std::string& command) {
    const std::string text = store::trimSpaces(command);
    if (!text.empty() && text.front() == '"') {
        const std::size_t close = text.find('"', 1);
        if (close == std::string::npos) return {text.substr(1), {}};
        return {text.substr(1, close - 1), store::trimSpaces(text.substr(close + 1))};
    }
    if (isFile(files, text)) return {text, {}};
    for (std::size_t blank = text.find(' '); blank != std::string::npos; blank = text.find(' ', blank + 1))
        if (isFile(files, text.substr(0, blank))) return cutAt(text, blank);
    for (std::size_t blank = text.find(' '); blank != std::string::npos; blank = text.find(' ', blank + 1))
        if (endsInProgramExtension(text.substr(0, blank))) return cutAt(text, blank);
    return {text, {}};
}

bool validFileName(const std::string& name) {
    return !store::trimSpaces(name).empty() && name.find_first_of("\\/:*?\"<>|") == std::string::npos;
}

platform::ShellLink linkFor(platform::Files& files, const std::string& command,
                            const std::optional<platform::ShellLink>& existing) {
    const ProgramAndArguments parts = splitCommand(files, command);
    if (existing) {
        platform::ShellLink link = *existing;
        const std::string shown = existing->arguments.empty() ? existing->target
                                                              : existing->target + " " + existing->arguments;
        // The list shows the target alone; a command left as shown keeps the arguments.
        if (store::trimSpaces(command) == existing->target || store::trimSpaces(command) == shown) return link;
        if (link.workingFolder == folderOf(link.target))
            link.workingFolder = folderOf(parts.program);
        if (link.iconPath == link.target) link.iconPath = parts.program;
        link.target = parts.program;
        link.arguments = parts.arguments;
        return link;
    }
    platform::ShellLink link;
    link.target = parts.program;
    link.arguments = parts.arguments;
    link.workingFolder = folderOf(parts.program);
    link.iconPath = parts.program;
    link.iconIndex = 0;
    link.description = kShortcutDescription;
    link.showCommand = platform::kShowNormal;
    return link;
}

}  // namespace startup
