#pragma once
// The console program's command line:
//   vantrelc report <programs|startup|scan> [/format text|csv|json] [/out FILE] [/categories a,b,...]
//   vantrelc /?   or   vantrelc help
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "report/writers.h"

namespace report {

enum class What { Programs, Startup, Scan };

// The scanner's seven categories as /categories names them, in the scan's order.
inline constexpr std::array<std::string_view, 7> kCategoryNames{"fonts", "dlls",       "apppaths", "help",
                                                                 "icons", "filetypes", "classes"};

struct ReportRequest {
    What what = What::Programs;
    Format format = Format::Text;
    std::optional<std::string> outputFile;
    std::array<bool, 7> categories{true, true, true, true, true, true, true};  // a report ignores the window's ticks
};

struct ParsedCommand {
    enum class Kind { Usage, Report, Error } kind = Kind::Usage;
    ReportRequest request;
    std::string error;  // one line, for Kind::Error
};

// `arguments` without the program's own name.
ParsedCommand parseCommandLine(const std::vector<std::string>& arguments);

// The fixed English usage text (the language files are for the window).
std::string usageText();

std::string_view nameOf(What what);

}  // namespace report
