#include "report/scan_report.h"

#include <array>

#include "localisation/lang_text.h"
#include "report/report_places.h"
#include "scanner/scan.h"
#include "store/settings_store.h"

namespace report {

namespace {

// Each finding's tag: the /categories name that chooses it and what kind of reference it is.
struct TagName {
    scanner::Tag tag;
    const char* category;
    const char* kind;
};
constexpr std::array<TagName, 10> kTagNames{{
    {scanner::Tag::Font, "fonts", "font"},
    {scanner::Tag::SharedDll, "dlls", "shared DLL"},
    {scanner::Tag::AppPath, "apppaths", "application path"},
    {scanner::Tag::Help, "help", "help file"},
    {scanner::Tag::HtmlHelp, "help", "HTML help file"},
    {scanner::Tag::DefaultIcon, "icons", "default icon"},
    {scanner::Tag::FileType, "filetypes", "file type"},
    {scanner::Tag::ComServer, "classes", "COM server"},
    {scanner::Tag::TypeLibrary, "classes", "type library"},
    {scanner::Tag::ToolboxBitmap, "classes", "toolbox bitmap"},
}};

const TagName* tagName(scanner::Tag tag) {
    for (const TagName& entry : kTagNames)
        if (entry.tag == tag) return &entry;
    return nullptr;
}

// The scan's status lines become the console's progress line.
class ConsoleScanProgress : public scanner::ScanProgress {
public:
    explicit ConsoleScanProgress(ReportContext& context) : context_(context) {}
    bool step(std::string_view line) override {
        context_.progress.show(context_.ansiToUtf8(line));
        return true;
    }

private:
    ReportContext& context_;
};

std::string describe(ReportContext& context, const std::vector<scanner::Place>& places) {
    std::string text;
    for (const scanner::Place& place : places) {
        if (!text.empty()) text += "; ";
        text += rootName(place.root) + "\\" + context.ansiToUtf8(place.keyPath);
        if (!place.wholeKey) text += " \"" + context.ansiToUtf8(place.valueName) + "\"";
        text += " (" + viewName(context.machine.registry.views(), place.view) + ")";
    }
    return text;
}

}  // namespace

Report scanReport(ReportContext& context) {
    platform::Machine& machine = context.machine;
    store::SettingsStore store(machine.registry, machine.profile, machine.files);
    const localisation::Language english(store, machine.files, [] { return std::string("english.ini"); },
                                         &machine.profile);
    scanner::ScanSettings settings;
    for (std::size_t i = 0; i < scanner::kCategoryCount && i < context.request.categories.size(); ++i)
        settings.categories[i] = context.request.categories[i];
    settings.emptyPathText = english.text(106);  // as the page names an App Paths entry without a path

    ConsoleScanProgress progress(context);
    const std::vector<scanner::Finding> findings = scanner::scan(machine, settings, progress);
    // The location first: it is what the findings list shows as the row's name.
    Report report{"scan", {"Location", "Reference", "Category", "Kind", "Place"}, {}};
    for (const scanner::Finding& finding : findings) {
        const TagName* names = tagName(finding.tag);
        report.records.push_back({{"Location", context.ansiToUtf8(finding.location)},
                                  {"Reference", context.ansiToUtf8(finding.reference)},
                                  {"Category", names ? names->category : ""},
                                  {"Kind", names ? names->kind : ""},
                                  {"Place", describe(context, finding.places)}});
    }
    return report;
}

}  // namespace report
