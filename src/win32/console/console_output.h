#pragma once
// Standard output or error as the console program writes it: UTF-16 through
// WriteConsoleW on a console, so any name shows whatever the console's code
// page; UTF-8 bytes when redirected to a file or a pipe.
#include <string>
#include <string_view>

#include "report/output.h"

namespace win32 {

class ConsoleOutput : public report::Output {
public:
    explicit ConsoleOutput(unsigned long standardHandle);  // STD_OUTPUT_HANDLE or STD_ERROR_HANDLE
    void write(std::string_view utf8) override;
    bool isConsole() const { return isConsole_; }

private:
    void* handle_;
    bool isConsole_;
};

// A text in the system's ANSI code page as UTF-8.
std::string ansiToUtf8(std::string_view text);

}  // namespace win32
