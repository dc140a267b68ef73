#pragma once
// What the scan tests compare of a finding, and a scan of every category with
// nobody watching: shared by the substitute image's tests and the real registry's.
#include <compare>
#include <ostream>
#include <string>
#include <vector>

#include "scanner/scan.h"

namespace scanner_test {

struct Seen {
    std::string location, reference;
    int tag;
    platform::Key root;
    platform::View view;
    auto operator<=>(const Seen&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const Seen& s) {
    return out << s.location << " | " << s.reference << " | " << s.tag << " | " << s.root << " | "
               << static_cast<int>(s.view);
}

// A finding as seen, its view given as the test names it.
inline Seen seenOf(const scanner::Finding& f, platform::View view) {
    return {f.location, f.reference, static_cast<int>(f.tag), f.places.front().root, view};
}

inline std::vector<scanner::Finding> scanEveryCategory(platform::Machine& machine) {
    struct Quiet : scanner::ScanProgress {
        bool step(std::string_view) override { return true; }
    } quiet;
    scanner::ScanSettings settings;
    settings.categories.set();
    return scanner::scan(machine, settings, quiet);
}

}  // namespace scanner_test
