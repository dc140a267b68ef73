#include "backup/set_folder.h"

#include <cstdio>
#include <vector>

namespace backup {

std::string setFolderName(const platform::CalendarTime& t, const std::string& command, int counter) {
    char stamp[32];
    std::snprintf(stamp, sizeof stamp, "%04d-%02d-%02d %02d%02d%02d ", t.year, t.month, t.day, t.hour, t.minute,
                  t.second);
    std::string name = stamp;
    for (char c : command) {
        const bool forbidden = static_cast<unsigned char>(c) < 0x20 || std::string_view("\\/:*?\"<>|").find(c) != std::string_view::npos;
        name += forbidden ? '-' : c;
    }
    // A folder name may not end in a blank or a dot.
    while (!name.empty() && (name.back() == ' ' || name.back() == '.')) name.pop_back();
    if (counter > 1) name += " (" + std::to_string(counter) + ")";
    return name;
}

std::string madeText(const platform::CalendarTime& t) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", t.year, t.month, t.day, t.hour, t.minute,
                  t.second);
    return text;
}

platform::Status removeSetFolder(platform::Files& files, const std::string& folder) {
    std::vector<platform::FoundEntry> entries;
    files.find(folder + "\\*", entries);
    for (const auto& entry : entries) {
        if (entry.name == "." || entry.name == "..") continue;
        const std::string path = folder + "\\" + entry.name;
        if (entry.attributes & platform::kAttrDirectory) {
            removeSetFolder(files, path);
        } else {
            if (entry.attributes & platform::kAttrReadOnly) files.setAttributes(path, platform::kAttrNormal);
            files.deleteFile(path);
        }
    }
    return files.removeFolder(folder);
}

}  // namespace backup
