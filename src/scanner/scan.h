#pragma once
// Scanning the chosen categories, without windows: the scanner page and the
// console report both call this and show the findings their own way.
#include <bitset>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/machine.h"
#include "scanner/finding.h"

namespace scanner {

inline constexpr std::size_t kCategoryCount = 7;

struct ScanSettings {
    std::bitset<kCategoryCount> categories;  // rows 1 to 7 of the category list: bit 0 is fonts
    std::string emptyPathText;               // the location of an App Paths entry with no path (language text 106)
    // What a location adds when its entry lives in the view that is not this build's own, or in the
    // user's classes (language texts 240 to 242).
    std::string bits32Label = " (32-bit)", bits64Label = " (64-bit)", currentUserLabel = " (current user)";
};

// How a running scan reports and is stopped.
class ScanProgress {
public:
    virtual ~ScanProgress() = default;
    // Called for every entry read, with a line for the status caption (a name,
    // or "Checking    i / n"); false ends the scan, which returns what it found so far.
    virtual bool step(std::string_view line) = 0;
    // A check finished; its block is the tail of what scan() returns.
    virtual void blockFound(std::span<const Finding> block) { (void)block; }
};

// The checks of the chosen categories, in their fixed order, each block after the one before.
std::vector<Finding> scan(platform::Machine& machine, const ScanSettings& settings, ScanProgress& progress);

}  // namespace scanner
