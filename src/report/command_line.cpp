#include "report/command_line.h"

#include <algorithm>

namespace report {

namespace {

struct WhatName {
    What what;
    std::string_view name;
};
constexpr std::array<WhatName, 3> kWhatNames{{
    {What::Programs, "programs"},
    {What::Startup, "startup"},
    {What::Scan, "scan"},
}};

std::string lowered(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
    return out;
}

ParsedCommand failure(std::string message) {
    ParsedCommand command;
    command.kind = ParsedCommand::Kind::Error;
    command.error = std::move(message);
    return command;
}

std::optional<std::string> parseCategories(std::string_view list, std::array<bool, 7>& chosen) {
    chosen.fill(false);
    std::size_t start = 0;
    while (start <= list.size()) {
        const std::size_t comma = std::min(list.find(',', start), list.size());
        const std::string name = lowered(list.substr(start, comma - start));
        const auto found = std::find(kCategoryNames.begin(), kCategoryNames.end(), name);
        if (found == kCategoryNames.end()) return "unknown category '" + name + "'";
        chosen[static_cast<std::size_t>(found - kCategoryNames.begin())] = true;
        start = comma + 1;
    }
    return std::nullopt;
}

// The switches after `report <what>`; each takes one value and may appear once.
std::optional<std::string> parseSwitches(const std::vector<std::string>& arguments, std::size_t at,
                                         ReportRequest& request) {
    std::vector<std::string> seen;
    for (; at < arguments.size(); at += 2) {
        const std::string name = lowered(arguments[at]);
        if (name != "/format" && name != "/out" && name != "/categories")
            return "unknown switch '" + arguments[at] + "'";
        if (std::find(seen.begin(), seen.end(), name) != seen.end()) return name + " given twice";
        seen.push_back(name);
        if (at + 1 >= arguments.size() || arguments[at + 1].empty()) return name + " needs a value";
        const std::string& value = arguments[at + 1];
        if (name == "/format") {
            const auto format = formatNamed(lowered(value));
            if (!format) return "unknown format '" + value + "' (text, csv or json)";
            request.format = *format;
        } else if (name == "/out") {
            request.outputFile = value;
        } else {
            if (request.what != What::Scan) return "/categories applies to the scan report only";
            if (auto error = parseCategories(value, request.categories)) return error;
        }
    }
    return std::nullopt;
}

}  // namespace

ParsedCommand parseCommandLine(const std::vector<std::string>& arguments) {
    if (arguments.empty()) return failure("no command given");
    // "/?" anywhere asks for the usage, as Windows' own console programs take it.
    if (std::find(arguments.begin() + 1, arguments.end(), "/?") != arguments.end()) return ParsedCommand{};
    const std::string command = lowered(arguments[0]);
    if (command == "/?" || command == "help") {
        if (arguments.size() > 1) return failure("'" + arguments[0] + "' takes nothing after it");
        return ParsedCommand{};
    }
    if (command != "report") return failure("unknown command '" + arguments[0] + "'");
    if (arguments.size() < 2) return failure("report needs what to list: programs, startup or scan");

    ParsedCommand parsed;
    parsed.kind = ParsedCommand::Kind::Report;
    const std::string what = lowered(arguments[1]);
    const auto found = std::find_if(kWhatNames.begin(), kWhatNames.end(), [&](const WhatName& w) { return w.name == what; });
    if (found == kWhatNames.end()) return failure("unknown report '" + arguments[1] + "' (programs, startup or scan)");
    parsed.request.what = found->what;
    if (auto error = parseSwitches(arguments, 2, parsed.request)) return failure(*error);
    return parsed;
}

std::string usageText() {
    return "Vantrel console: reports of installed programs, startup entries and registry findings.\r\n"
           "\r\n"
           "Usage:\r\n"
           "  vantrelc report programs|startup|scan [/format text|csv|json] [/out FILE]\r\n"
           "  vantrelc report scan [/categories fonts,dlls,apppaths,help,icons,filetypes,classes]\r\n"
           "  vantrelc /?   (or: vantrelc help)\r\n"
           "\r\n"
           "  /format      text (aligned columns, the default), csv (RFC 4180) or json\r\n"
           "  /out FILE    write the report to FILE instead of standard output\r\n"
           "               (csv to a file starts with a UTF-8 byte-order mark)\r\n"
           "  /categories  the scan's categories, comma-separated; all seven unless given\r\n"
           "\r\n"
           "Exit codes: 0 done; 1 the scan found something; 2 bad command line;\r\n"
           "            3 the output file could not be written.\r\n"
           "A report only reads: it changes nothing on the machine.\r\n";
}

std::string_view nameOf(What what) {
    for (const WhatName& entry : kWhatNames)
        if (entry.what == what) return entry.name;
    return {};
}

}  // namespace report
