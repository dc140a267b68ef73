#pragma once
// The neutral shape every report is written from: records as lists of named
// fields, so a new record kind or a new field needs no change in the writers.
#include <string>
#include <string_view>
#include <vector>

namespace report {

struct Field {
    std::string heading;  // as a person reads it, "Uninstall command"; JSON names it in camel case
    std::string value;    // UTF-8
};

using Record = std::vector<Field>;

struct Report {
    std::string what;                   // "programs", "startup", "scan"
    std::vector<std::string> headings;  // the kind's columns, so an empty report still has its header
    std::vector<Record> records;
};

// The kind's headings, then any other heading the records use, in the order they first appear.
std::vector<std::string> headingsOf(const Report& report);
// The record's value under `heading`; empty when it has none.
std::string_view valueOf(const Record& record, std::string_view heading);
// The JSON member name of a heading: "Uninstall command" -> "uninstallCommand".
std::string jsonName(std::string_view heading);

}  // namespace report
