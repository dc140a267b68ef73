#pragma once
// The nine checks. Each walks its keys in one area (a root seen in one view),
// judges each entry's file, and hands back its findings whole, in enumeration
// order; a walk that is told to stop hands back what it found so far.
#include <string>
#include <vector>

#include "scanner/finding.h"
#include "scanner/scan_context.h"

namespace scanner {

// Where a check walks: a root in a view, the path the check's keys hang under
// there, and what its findings' locations add to say where they are.
struct Area {
    platform::Key root = 0;
    platform::View view = platform::View::Native;
    std::string prefix;          // "" under HKLM, "Software\Classes" for one root's own classes
    std::string rootLabel;       // added to each location: " (current user)" for the user's classes
    std::string viewLabel;       // added for a key the views do not share, when this view is not the build's own
    bool otherViewOnly = false;  // the second view of a 64-bit machine: its shared keys were walked in the first
    Bits files = Bits::Native;   // how the registrations found here see the file system
    std::string key(const std::string& path) const { return prefix.empty() ? path : prefix + "\\" + path; }
    // What a finding's location adds, its key being shared between the views or not.
    std::string label(bool shared) const { return rootLabel + (shared ? std::string() : viewLabel); }
};

std::vector<Finding> checkFonts(ScanContext& context, const Area& area);       // (CheckFonts)
std::vector<Finding> checkSharedDlls(ScanContext& context, const Area& area);  // (CheckSharedDlls)
std::vector<Finding> checkAppPaths(ScanContext& context, const Area& area);    // (CheckAppPaths)
// The Help and the HTML Help parts, each its own block (CheckHelpFiles).
std::vector<Finding> checkHelpFiles(ScanContext& context, const Area& area, Tag part);
std::vector<Finding> checkDefaultIcons(ScanContext& context, const Area& area);    // (CheckDefaultIcons)
std::vector<Finding> checkFileTypes(ScanContext& context, const Area& area);       // (CheckFileTypes)
std::vector<Finding> checkComServers(ScanContext& context, const Area& area);      // (CheckComServers)
std::vector<Finding> checkTypeLibraries(ScanContext& context, const Area& area);   // (CheckTypeLibraries)
std::vector<Finding> checkToolboxBitmaps(ScanContext& context, const Area& area);  // (CheckToolboxBitmaps)

// A key walked in its 9x form, or in its NT form when the 9x one is missing.
struct KeyPair {
    const char* first;
    const char* alternative;
};

}  // namespace scanner
