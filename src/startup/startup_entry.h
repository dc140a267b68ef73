#pragma once
// One program Windows starts at log-on, as the startup page lists it, and the
// row layout of the startup list that carries it.
#include <cstdint>
#include <string>

namespace startup {

// Where an entry lives; the number is the code the list's hidden column holds (StartupSource).
enum class Source { MachineRun = 1, UserRun = 2, MachineRunServices = 3, WinIniRun = 4, WinIniLoad = 5,
                    StartupFolder = 6 };

inline bool isRegistrySource(Source source) { return static_cast<int>(source) <= 3; }
inline bool isWinIniSource(Source source) { return source == Source::WinIniRun || source == Source::WinIniLoad; }
// Language text of the source's location: 116 to 121.
inline int locationTextKey(Source source) { return 115 + static_cast<int>(source); }

// (StartupEntry)
struct StartupEntry {
    Source source = Source::MachineRun;
    bool active = true;
    std::string name;      // exactly as stored: value name, whole win.ini text, file name less its extension
    std::string command;   // the value's data as text, the win.ini text, or the shortcut's target
    std::string keyPath;   // registry sources: the key it was listed from (a live or a parking key)
    std::string folder;    // Startup-folder entries: the folder it lives in (parked: the one it came from)
    std::string fileName;  // Startup-folder entries: the whole file name (parked: the parked copy's, if any)

    // Two listings show the same entry when these agree.
    bool sameEntry(const StartupEntry& other) const;
};

// Columns of the startup list; the last three are hidden and hold the record's fields.
inline constexpr std::size_t kNameColumn = 0;
inline constexpr std::size_t kCommandColumn = 1;
inline constexpr std::size_t kLocationColumn = 2;
inline constexpr std::size_t kStateColumn = 3;
inline constexpr std::size_t kFolderColumn = 4;
inline constexpr std::size_t kSourceColumn = 5;
// Beyond the columns: the entry's place in the page's own list of entries, so a
// sorted row still names its entry.
inline constexpr std::size_t kEntryIndexText = 6;

inline constexpr const char* kActivePicture = "a";
inline constexpr const char* kParkedPicture = "b";

}  // namespace startup
