#pragma once
// Find: the next row of the page's list whose name holds the search text,
// with the wildcards ? (any one character), * (any run), # (one digit),
// [list] and [!list] (one character in or not in the list, ranges a-z allowed).
#include <string>
#include <string_view>

#include "localisation/lang_text.h"
#include "platform/desktop.h"
#include "ui/list_view.h"

namespace uninstall {

inline constexpr std::uint32_t kFoundRowColour = 0x000080;  // dark red (RGB 128, 0, 0)

// The whole of `text` against the whole of `pattern`. An unclosed "[" is an ordinary character.
bool matchesPattern(std::string_view text, std::string_view pattern);
// Whether a row's name holds the search text somewhere: each piece of the trimmed,
// lower-cased name as long as the untrimmed search text against the trimmed,
// lower-cased search text.
bool nameMatches(const std::string& rowText, const std::string& searchText);

struct FindRequest {
    ui::ListView& list;
    bool startupList;        // the startup page ends silently after its last hit
    const std::string& searchText;
    int& findStartRow;       // 1-based; where this Find starts, the row after the hit afterwards
};

// Selects, colours and shows the next hit; with none, tells the user (the startup
// list only when it found nothing from its first row). True on a hit.
bool findNext(const FindRequest& request, platform::Desktop& desktop, const localisation::Language& language);

}  // namespace uninstall
