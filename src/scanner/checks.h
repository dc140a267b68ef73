#pragma once
// The nine checks. Each walks its own keys, judges each entry's file, and
// hands back its findings whole, in enumeration order; a walk that is told to
// stop hands back what it found so far.
#include <vector>

#include "scanner/finding.h"
#include "scanner/scan_context.h"

namespace scanner {

std::vector<Finding> checkFonts(ScanContext& context);           // (CheckFonts)
std::vector<Finding> checkSharedDlls(ScanContext& context);      // (CheckSharedDlls)
std::vector<Finding> checkAppPaths(ScanContext& context);        // (CheckAppPaths)
// The Help and the HTML Help parts, each its own block (CheckHelpFiles).
std::vector<Finding> checkHelpFiles(ScanContext& context, Tag part);
std::vector<Finding> checkDefaultIcons(ScanContext& context);    // (CheckDefaultIcons)
std::vector<Finding> checkFileTypes(ScanContext& context);       // (CheckFileTypes)
std::vector<Finding> checkComServers(ScanContext& context);      // (CheckComServers)
std::vector<Finding> checkTypeLibraries(ScanContext& context);   // (CheckTypeLibraries)
std::vector<Finding> checkToolboxBitmaps(ScanContext& context);  // (CheckToolboxBitmaps)

// A key walked in its 9x form, or in its NT form when the 9x one is missing.
struct KeyPair {
    const char* first;
    const char* alternative;
};

}  // namespace scanner
