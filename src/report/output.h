#pragma once
// Where the console program's texts go: standard output or standard error.
// The Windows side writes UTF-16 to a console and UTF-8 to anything else.
#include <string_view>

namespace report {

class Output {
public:
    virtual ~Output() = default;
    virtual void write(std::string_view utf8) = 0;
};

}  // namespace report
