#include "uninstall/find.h"

#include <cctype>

#include "store/text_value.h"

namespace uninstall {
namespace {

char lower(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }

std::string lowerCase(std::string_view text) {
    std::string result(text);
    for (char& c : result) c = lower(c);
    return result;
}

// A bracketed list at `pattern[0]`: its length up to and with "]", or 0 when unclosed.
std::size_t listLength(std::string_view pattern) {
    std::size_t end = pattern.find(']', pattern.size() > 1 && pattern[1] == '!' ? 2 : 1);
    return end == std::string_view::npos ? 0 : end + 1;
}

bool inList(char c, std::string_view list) {
    const bool negated = !list.empty() && list.front() == '!';
    if (negated) list.remove_prefix(1);
    bool found = false;
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (i + 2 < list.size() && list[i + 1] == '-') {
            found = found || (c >= list[i] && c <= list[i + 2]);
            i += 2;
        } else {
            found = found || c == list[i];
        }
    }
    return found != negated;
}

}  // namespace

bool matchesPattern(std::string_view text, std::string_view pattern) {
    // Iterative matching with one remembered star: linear enough for long names and patterns.
    std::size_t t = 0, p = 0, starP = std::string_view::npos, starT = 0;
    while (t < text.size()) {
        if (p < pattern.size()) {
            const char c = pattern[p];
            if (c == '*') {
                starP = ++p;
                starT = t;
                continue;
            }
            std::size_t step = 1;
            bool matched;
            if (c == '?') {
                matched = true;
            } else if (c == '#') {
                matched = std::isdigit(static_cast<unsigned char>(text[t])) != 0;
            } else if (c == '[' && (step = listLength(pattern.substr(p))) != 0) {
                matched = inList(text[t], pattern.substr(p + 1, step - 2));
            } else {
                step = 1;
                matched = c == text[t];
            }
            if (matched) {
                ++t;
                p += step;
                continue;
            }
        }
        if (starP == std::string_view::npos) return false;
        p = starP;
        t = ++starT;
    }
    while (p < pattern.size() && pattern[p] == '*') ++p;
    return p == pattern.size();
}

bool nameMatches(const std::string& rowText, const std::string& searchText) {
    const std::string name = lowerCase(store::trimSpaces(rowText));
    const std::string pattern = lowerCase(store::trimSpaces(searchText));
    const std::size_t positions = std::max<std::size_t>(name.size(), 1);
    for (std::size_t j = 0; j < positions; ++j) {
        const std::string_view piece = std::string_view(name).substr(std::min(j, name.size()), searchText.size());
        if (matchesPattern(piece, pattern)) return true;
    }
    return false;
}

bool findNext(const FindRequest& request, platform::Desktop& desktop, const localisation::Language& language) {
    ui::ListView& list = request.list;
    for (std::size_t i = 0; i < list.rowCount(); ++i) list.setSelected(i, false);
    const std::size_t start = request.findStartRow < 1 ? 0 : static_cast<std::size_t>(request.findStartRow) - 1;
    for (std::size_t i = start; i < list.rowCount(); ++i) {
        if (!nameMatches(list.text(i, 0), request.searchText)) continue;
        list.select(i);
        list.setColor(i, kFoundRowColour);
        request.findStartRow = static_cast<int>(i) + 2;
        return true;
    }
    if (!request.startupList || request.findStartRow <= 1)
        desktop.messageBox(language.text(89) + "\r" + language.text(102), "", platform::MessageIcon::Information,
                           platform::MessageButtons::Ok);
    return false;
}

}  // namespace uninstall
