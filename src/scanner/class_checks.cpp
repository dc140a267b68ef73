// COM servers, type libraries and toolbox bitmaps: the class registrations.
#include <array>
#include <cctype>

#include "scanner/checks.h"
#include "scanner/program_path.h"
#include "store/text_value.h"

namespace scanner {
namespace {

constexpr std::array<const char*, 4> kServerKeys{"InprocServer32", "LocalServer32", "InprocServer", "LocalServer"};
constexpr std::array<const char*, 2> kToolboxKeys{"toolboxbitmap32", "toolboxbitmap"};

template <std::size_t N>
std::vector<Finding> checkClassPrograms(ScanContext& context, const Area& area, const std::array<const char*, N>& keys,
                                        Tag tag) {
    std::vector<Finding> found;
    const std::vector<std::string> classes = subkeyNames(context, area.root, area.view, area.key("clsid"));
    for (std::size_t i = 0; i < classes.size(); ++i) {
        if (!context.nextStep(progressLine(i + 1, classes.size()))) break;
        const std::string& id = classes[i];
        if (store::trimSpaces(id).empty()) continue;
        // The first key with a value is the one the system uses.
        std::string location, value;
        for (const char* key : keys) {
            location = "clsid\\" + id + "\\" + key;
            value = store::trimSpaces(readText(context, area.root, area.view, area.key(location), "", area.files));
            if (!value.empty()) break;
        }
        if (!hasDriveLetter(value)) continue;
        const std::string program = store::trimSpaces(extractProgramPath(value));
        // In-process servers (.dll, .ocx) are not judged.
        if (!endsWithExe(program) || present(context, program, area.files)) continue;
        found.push_back(
            {location + area.label(false), program, tag, {valuePlace(area.root, area.view, area.key(location), "")}});
    }
    return found;
}

bool readsAsNumber(const std::string& text) {
    const std::string t = store::trimSpaces(text);
    std::size_t i = (!t.empty() && (t[0] == '+' || t[0] == '-')) ? 1 : 0;
    bool digits = false, point = false;
    for (; i < t.size(); ++i) {
        if (std::isdigit(static_cast<unsigned char>(t[i]))) {
            digits = true;
        } else if (t[i] == '.' && !point) {
            point = true;
        } else {
            return false;
        }
    }
    return digits;
}

// "file.dll\2" names the second type library resource inside file.dll.
std::string withoutResourceIndex(const std::string& path) {
    const auto slash = path.find_last_of('\\');
    if (slash == std::string::npos || slash + 1 == path.size()) return path;
    for (std::size_t i = slash + 1; i < path.size(); ++i)
        if (!std::isdigit(static_cast<unsigned char>(path[i]))) return path;
    return path.substr(0, slash);
}

}  // namespace

std::vector<Finding> checkComServers(ScanContext& context, const Area& area) {
    return checkClassPrograms(context, area, kServerKeys, Tag::ComServer);
}

std::vector<Finding> checkToolboxBitmaps(ScanContext& context, const Area& area) {
    return checkClassPrograms(context, area, kToolboxKeys, Tag::ToolboxBitmap);
}

std::vector<Finding> checkTypeLibraries(ScanContext& context, const Area& area) {
    std::vector<Finding> found;
    const std::vector<std::string> libraries = subkeyNames(context, area.root, area.view, area.key("typelib"));
    for (std::size_t k = 0; k < libraries.size(); ++k) {
        if (!context.nextStep(progressLine(k + 1, libraries.size()))) break;
        const std::string library = "typelib\\" + libraries[k];
        // The first version that reads as a number, else the last one there is.
        std::string version;
        for (const std::string& candidate : subkeyNames(context, area.root, area.view, area.key(library))) {
            version = candidate;
            if (readsAsNumber(candidate)) break;
        }
        if (version.empty()) continue;
        const auto locales = subkeyNames(context, area.root, area.view, area.key(library + "\\" + version));
        if (locales.empty()) continue;
        const std::string entry = library + "\\" + version + "\\" + locales.front() + "\\win32";
        // A type library's win32 file is a 32-bit file, whichever view registered it.
        const Bits files = area.files == Bits::Native ? Bits::Native : Bits::B32;
        const std::string path = readText(context, area.root, area.view, area.key(entry), "", files);
        const std::string file = withoutResourceIndex(store::trimSpaces(path));
        // An empty path names nothing; a bare file name is found through the search path.
        if (file.empty() || !hasDriveLetter(file) || present(context, file, files)) continue;
        // The location is spelt with a capital T.
        std::string location(1, 'T');
        location.append(entry, 1).append(area.label(true));
        found.push_back({location, path, Tag::TypeLibrary, {valuePlace(area.root, area.view, area.key(entry), "")}});
    }
    return found;
}

}  // namespace scanner
