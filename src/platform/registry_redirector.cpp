#include "platform/registry_redirector.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace platform {
namespace {

constexpr std::string_view kWowNode = "WOW6432Node";

// A redirected branch: its children get their 32-bit twins under `parent`\WOW6432Node.
// `movedChildren` empty means every child moves except the shared places.
struct RedirectedBranch {
    Key root;
    std::array<std::string_view, 2> parent;
    std::array<std::string_view, 5> movedChildren;
    bool everyChildMoves;
};

constexpr std::array<std::string_view, 5> kMovedClasses = {"CLSID", "Interface", "DirectShow", "Media Type",
                                                           "MediaFoundation"};

constexpr std::array<RedirectedBranch, 3> kBranches = {{
    {kHkeyLocalMachine, {"Software", "Classes"}, kMovedClasses, false},
    {kHkeyCurrentUser, {"Software", "Classes"}, kMovedClasses, false},
    {kHkeyLocalMachine, {"Software", ""}, {}, true},
}};

// Keys under HKLM\Software that both views share (with all they hold).
constexpr std::array<std::string_view, 44> kSharedMachineKeys = {
    "Classes",
    "Clients",
    "Microsoft\\COM3",
    "Microsoft\\Cryptography\\Calais\\Current",
    "Microsoft\\Cryptography\\Calais\\Readers",
    "Microsoft\\Cryptography\\Services",
    "Microsoft\\CTF\\SystemShared",
    "Microsoft\\CTF\\TIP",
    "Microsoft\\DFS",
    "Microsoft\\Driver Signing",
    "Microsoft\\EnterpriseCertificates",
    "Microsoft\\EventSystem",
    "Microsoft\\MSMQ",
    "Microsoft\\Non-Driver Signing",
    "Microsoft\\Notepad\\DefaultFonts",
    "Microsoft\\OLE",
    "Microsoft\\RAS",
    "Microsoft\\RPC",
    "Microsoft\\Shared Tools\\MSInfo",
    "Microsoft\\SystemCertificates",
    "Microsoft\\TermServLicensing",
    "Microsoft\\Transaction Server",
    "Microsoft\\Windows\\CurrentVersion\\App Paths",
    "Microsoft\\Windows\\CurrentVersion\\Control Panel\\Cursors\\Schemes",
    "Microsoft\\Windows\\CurrentVersion\\Explorer\\AutoplayHandlers",
    "Microsoft\\Windows\\CurrentVersion\\Explorer\\DriveIcons",
    "Microsoft\\Windows\\CurrentVersion\\Explorer\\KindMap",
    "Microsoft\\Windows\\CurrentVersion\\Group Policy",
    "Microsoft\\Windows\\CurrentVersion\\Policies",
    "Microsoft\\Windows\\CurrentVersion\\PreviewHandlers",
    "Microsoft\\Windows\\CurrentVersion\\Setup",
    "Microsoft\\Windows\\CurrentVersion\\Telephony\\Locations",
    "Microsoft\\Windows NT\\CurrentVersion\\Console",
    "Microsoft\\Windows NT\\CurrentVersion\\FontDpi",
    "Microsoft\\Windows NT\\CurrentVersion\\FontLink",
    "Microsoft\\Windows NT\\CurrentVersion\\FontMapper",
    "Microsoft\\Windows NT\\CurrentVersion\\Fonts",
    "Microsoft\\Windows NT\\CurrentVersion\\FontSubstitutes",
    "Microsoft\\Windows NT\\CurrentVersion\\Gre_Initialize",
    "Microsoft\\Windows NT\\CurrentVersion\\Image File Execution Options",
    "Microsoft\\Windows NT\\CurrentVersion\\ProfileList",
    "Microsoft\\Windows NT\\CurrentVersion\\Time Zones",
    "Policies",
    "RegisteredApplications",
};

bool same(std::string_view a, std::string_view b) { return sameKeyName(a, b); }

std::size_t parentLength(const RedirectedBranch& branch) { return branch.parent[1].empty() ? 1 : 2; }

bool startsWithParent(Key root, const KeyPath& path, const RedirectedBranch& branch) {
    const std::size_t length = parentLength(branch);
    if (root != branch.root || path.size() < length) return false;
    for (std::size_t i = 0; i < length; ++i)
        if (!same(path[i], branch.parent[i])) return false;
    return true;
}

// Whether the place below HKLM\Software starting at `path[1]` is one both views share.
bool sharedMachineKey(const KeyPath& path) {
    return std::any_of(kSharedMachineKeys.begin(), kSharedMachineKeys.end(), [&](std::string_view shared) {
        std::size_t index = 1;
        while (!shared.empty()) {
            const auto cut = shared.find('\\');
            if (index >= path.size() || !same(path[index], shared.substr(0, cut))) return false;
            ++index;
            shared = cut == std::string_view::npos ? std::string_view() : shared.substr(cut + 1);
        }
        return true;
    });
}

bool childMoves(const RedirectedBranch& branch, const KeyPath& path, std::size_t childIndex) {
    if (branch.everyChildMoves) return !sharedMachineKey(path);
    return std::any_of(branch.movedChildren.begin(), branch.movedChildren.end(),
                       [&](std::string_view moved) { return !moved.empty() && same(moved, path[childIndex]); });
}

// The first branch `path` lies in: the deeper Classes rows come before Software's.
const RedirectedBranch* branchOf(Key root, const KeyPath& path) {
    for (const RedirectedBranch& branch : kBranches)
        if (startsWithParent(root, path, branch)) return &branch;
    return nullptr;
}

}  // namespace

bool sameKeyName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               auto up = [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; };
               return up(x) == up(y);
           });
}

KeyPath physicalPathIn32BitView(Key root, const KeyPath& logical) {
    if (root == kHkeyClassesRoot) {
        // HKCR is the machine's Software\Classes: mapped there, then named from HKCR again.
        KeyPath machine = {"Software", "Classes"};
        machine.insert(machine.end(), logical.begin(), logical.end());
        machine = physicalPathIn32BitView(kHkeyLocalMachine, machine);
        return KeyPath(machine.begin() + 2, machine.end());
    }
    const RedirectedBranch* branch = branchOf(root, logical);
    if (!branch) return logical;
    const std::size_t at = parentLength(*branch);
    KeyPath physical = logical;
    if (logical.size() == at) {
        // HKLM\Software itself is redirected; Software\Classes is shared.
        if (branch->everyChildMoves) physical.emplace_back(kWowNode);
        return physical;
    }
    if (same(logical[at], kWowNode) || !childMoves(*branch, logical, at)) return physical;
    physical.insert(physical.begin() + static_cast<std::ptrdiff_t>(at), std::string(kWowNode));
    return physical;
}

bool sharedBetweenViews(Key root, const KeyPath& logical) {
    if (root != kHkeyClassesRoot) return physicalPathIn32BitView(root, logical).size() == logical.size();
    KeyPath machine = {"Software", "Classes"};
    machine.insert(machine.end(), logical.begin(), logical.end());
    return physicalPathIn32BitView(kHkeyLocalMachine, machine).size() == machine.size();
}

KeyPath logicalPathOf32BitKey(Key root, const KeyPath& physical) {
    const RedirectedBranch* branch = branchOf(root, physical);
    if (!branch) return physical;
    const std::size_t at = parentLength(*branch);
    KeyPath logical = physical;
    if (physical.size() > at && same(physical[at], kWowNode))
        logical.erase(logical.begin() + static_cast<std::ptrdiff_t>(at));
    return logical;
}

}  // namespace platform
