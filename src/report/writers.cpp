#include "report/writers.h"

#include <algorithm>

namespace report {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

std::string csvField(std::string_view value) {
    if (value.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(value);
    std::string quoted = "\"";
    for (char c : value) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

std::string csvRow(const std::vector<std::string_view>& values) {
    std::string row;
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (i > 0) row += ',';
        row += csvField(values[i]);
    }
    return row + std::string(kLineEnd);
}

std::string jsonString(std::string_view text) {
    static constexpr char kHex[] = "0123456789abcdef";
    std::string out = "\"";
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        switch (c) {
            case '"': out += "\\\""; break;
            case '\\': out += "\\\\"; break;
            case '\n': out += "\\n"; break;
            case '\r': out += "\\r"; break;
            case '\t': out += "\\t"; break;
            default:
                if (byte < 0x20) {
                    out += "\\u00";
                    out += kHex[byte >> 4];
                    out += kHex[byte & 0xF];
                } else {
                    out += c;
                }
        }
    }
    return out + '"';
}

// Columns are counted in characters, not bytes, so non-ASCII names line up.
std::size_t displayWidth(std::string_view utf8) {
    return static_cast<std::size_t>(
        std::count_if(utf8.begin(), utf8.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

// A cell of the text form stays on its line.
std::string oneLine(std::string_view value) {
    std::string line(value);
    std::replace_if(line.begin(), line.end(), [](char c) { return c == '\r' || c == '\n' || c == '\t'; }, ' ');
    return line;
}

std::string csvWriter(const Report& report, const Heading&, Destination destination) {
    return writeCsv(report, destination);
}
std::string jsonWriter(const Report& report, const Heading& heading, Destination) {
    return writeJson(report, heading);
}
std::string textWriter(const Report& report, const Heading& heading, Destination) {
    return writeText(report, heading);
}

}  // namespace

std::string writeCsv(const Report& report, Destination destination) {
    std::string out = destination == Destination::File ? "\xEF\xBB\xBF" : "";
    const std::vector<std::string> headings = headingsOf(report);
    // Spreadsheets and scripts find the display name, whatever the kind calls it, under one heading.
    std::vector<std::string_view> header(headings.begin(), headings.end());
    if (!header.empty()) header[0] = "Name";
    out += csvRow(header);
    for (const Record& record : report.records) {
        std::vector<std::string_view> values;
        for (const std::string& heading : headings) values.push_back(valueOf(record, heading));
        out += csvRow(values);
    }
    return out;
}

std::string writeJson(const Report& report, const Heading& heading) {
    std::string out = "{\"program\": " + jsonString(heading.program) + ", \"version\": " +
                      jsonString(heading.version) + ", \"report\": " + jsonString(report.what) + ", \"records\": [";
    for (std::size_t i = 0; i < report.records.size(); ++i) {
        out += i == 0 ? "\n  {" : ",\n  {";
        const Record& record = report.records[i];
        for (std::size_t f = 0; f < record.size(); ++f) {
            if (f > 0) out += ", ";
            out += jsonString(jsonName(record[f].heading)) + ": " + jsonString(record[f].value);
        }
        out += '}';
    }
    out += report.records.empty() ? "]}\n" : "\n]}\n";
    return out;
}

std::string writeText(const Report& report, const Heading& heading) {
    const std::vector<std::string> headings = headingsOf(report);
    std::vector<std::vector<std::string>> rows{headings};
    for (const Record& record : report.records) {
        std::vector<std::string> row;
        for (const std::string& name : headings) row.push_back(oneLine(valueOf(record, name)));
        rows.push_back(std::move(row));
    }
    std::vector<std::size_t> widths(headings.size(), 0);
    for (const auto& row : rows)
        for (std::size_t c = 0; c < row.size(); ++c) widths[c] = std::max(widths[c], displayWidth(row[c]));

    std::string out = std::string(heading.program) + " " + std::string(heading.version) + ", " + report.what +
                      " report, " + std::to_string(report.records.size()) +
                      (report.records.size() == 1 ? " record" : " records") + std::string(kLineEnd);
    for (const auto& row : rows) {
        std::string line;
        for (std::size_t c = 0; c < row.size(); ++c) {
            line += row[c];
            if (c + 1 < row.size()) line += std::string(widths[c] - displayWidth(row[c]) + 2, ' ');
        }
        line.erase(line.find_last_not_of(' ') + 1);
        out += line + std::string(kLineEnd);
    }
    return out;
}

const std::array<FormatInfo, 3>& formats() {
    static constexpr std::array<FormatInfo, 3> kFormats{{
        {Format::Text, "text", textWriter},
        {Format::Csv, "csv", csvWriter},
        {Format::Json, "json", jsonWriter},
    }};
    return kFormats;
}

std::optional<Format> formatNamed(std::string_view name) {
    for (const FormatInfo& info : formats())
        if (info.name == name) return info.format;
    return std::nullopt;
}

std::string writeReport(Format format, const Report& report, const Heading& heading, Destination destination) {
    for (const FormatInfo& info : formats())
        if (info.format == format) return info.write(report, heading, destination);
    return {};
}

}  // namespace report
