#pragma once
// The three report formats, each a row of one table: how it is named on the
// command line and how a report becomes its bytes (UTF-8).
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "report/record.h"

namespace report {

enum class Format { Text, Csv, Json };

// Where the bytes go: a file gets what a program opening it needs (CSV's byte-order mark).
enum class Destination { StandardOutput, File };

struct Heading {
    std::string_view program;  // "Vantrel"
    std::string_view version;  // "1.0.0"
};

// RFC 4180: a header row, CRLF line ends, a field quoted when it holds a comma, quote or line break.
// The first column is the display name and is headed "Name" whatever the record calls it.
std::string writeCsv(const Report& report, Destination destination);
// One document: {"program", "version", "report", "records": [{...}, ...]}, no byte-order mark.
std::string writeJson(const Report& report, const Heading& heading);
// Aligned columns for a person; the program and version on the first line.
std::string writeText(const Report& report, const Heading& heading);

struct FormatInfo {
    Format format;
    std::string_view name;  // as the /format switch takes it
    std::string (*write)(const Report&, const Heading&, Destination);
};

const std::array<FormatInfo, 3>& formats();
std::optional<Format> formatNamed(std::string_view name);
std::string writeReport(Format format, const Report& report, const Heading& heading, Destination destination);

}  // namespace report
