#include "report/record.h"

#include <algorithm>

namespace report {

std::vector<std::string> headingsOf(const Report& report) {
    std::vector<std::string> headings = report.headings;
    for (const Record& record : report.records)
        for (const Field& field : record)
            if (std::find(headings.begin(), headings.end(), field.heading) == headings.end())
                headings.push_back(field.heading);
    return headings;
}

std::string_view valueOf(const Record& record, std::string_view heading) {
    for (const Field& field : record)
        if (field.heading == heading) return field.value;
    return {};
}

std::string jsonName(std::string_view heading) {
    std::string name;
    bool wordStart = false;
    for (char c : heading) {
        if (c == ' ') {
            wordStart = !name.empty();
            continue;
        }
        const bool upper = c >= 'A' && c <= 'Z', lower = c >= 'a' && c <= 'z';
        if (name.empty() && upper) c = static_cast<char>(c - 'A' + 'a');
        else if (wordStart && lower) c = static_cast<char>(c - 'a' + 'A');
        name += c;
        wordStart = false;
    }
    return name;
}

}  // namespace report
