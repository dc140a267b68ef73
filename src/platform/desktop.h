#pragma once
// What the program needs from the desktop around its windows: the running
// copy check, the screen, the clock, message boxes, the file-open dialog,
// the message loop and the end of the process.
#include <cstdint>
#include <optional>
#include <string>

namespace platform {

enum class MessageIcon { None, Critical, Question, Exclamation, Information };
enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

struct OpenFileRequest {
    std::string initialFolder;
    std::string filter;       // e.g. "*.ini"
    std::string initialName;  // e.g. "*.ini"
};

// The local date and time to the second, as a backup set's name shows it.
struct CalendarTime {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
};

class Desktop {
public:
    virtual ~Desktop() = default;
    // True when an earlier copy of the program is already running.
    virtual bool anotherInstanceRunning() = 0;
    virtual int screenWidthTwips() = 0;
    virtual int screenHeightTwips() = 0;
    virtual double twipsPerPixelX() = 0;
    virtual double twipsPerPixelY() = 0;
    // Seconds since midnight, with fractions; wraps to 0 at midnight.
    virtual double secondsSinceMidnight() = 0;
    virtual CalendarTime localTime() = 0;
    // An empty title means the application's title.
    virtual MessageAnswer messageBox(const std::string& text, const std::string& title, MessageIcon icon,
                                     MessageButtons buttons) = 0;
    // The chosen path, or nothing when the user cancelled.
    virtual std::optional<std::string> openFile(const OpenFileRequest& request) = 0;
    // The system's own words for a status code (5: "Access is denied."), to tell the user why.
    virtual std::string statusText(std::uint32_t status) = 0;
    // Lets the message loop run once, so windows repaint and clicks arrive.
    virtual void yield() = 0;
    // Ends the process at once: no further unload routine and no open dialog is asked.
    virtual void endProcess() = 0;
    // The name of the user logged on to this session (GetUserNameA); empty when unknown.
    virtual std::string userName() { return {}; }
};

}  // namespace platform
