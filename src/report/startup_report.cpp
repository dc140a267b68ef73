#include "report/startup_report.h"

#include "localisation/lang_text.h"
#include "report/report_places.h"
#include "startup/startup_listing.h"
#include "startup/startup_sources.h"
#include "store/settings_store.h"
#include "store/text_value.h"

namespace report {

namespace {

Record recordOf(ReportContext& context, const startup::StartupEntry& entry, const startup::StartupPlaces& places,
                const localisation::Language& english) {
    const auto utf8 = context.ansiToUtf8;
    const platform::RegistryViews views = context.machine.registry.views();
    // The location as the page words it, Windows' own "disabled" included.
    std::string location = english.text(startup::locationTextKey(entry.source, views));
    if (entry.disabledByWindows) location.append(1, ' ').append(english.text(startup::kDisabledByWindowsText));
    Record record{{"Name", utf8(store::trimSpaces(entry.name))},
                  {"Command", utf8(entry.command)},
                  {"Location", utf8(location)},
                  {"State", !entry.active ? "parked" : entry.disabledByWindows ? "disabled by Windows" : "active"},
                  {"Source", std::to_string(static_cast<int>(entry.source))}};
    if (startup::isRegistrySource(entry.source)) {
        record.push_back({"Root", rootName(entry.root)});
        record.push_back({"View", viewName(views, entry.view)});
        record.push_back({"Key path", utf8(entry.keyPath)});
    } else if (startup::isWinIniSource(entry.source)) {
        record.push_back({"File", utf8(places.winIni)});
    } else {
        record.push_back({"File", utf8(entry.filePath())});
    }
    return record;
}

}  // namespace

Report startupReport(ReportContext& context) {
    platform::Machine& machine = context.machine;
    store::SettingsStore store(machine.registry, machine.profile, machine.files);
    // The page's location texts as English shows them, whatever language the window was given.
    const localisation::Language english(store, machine.files, [] { return std::string("english.ini"); },
                                         &machine.profile);
    for (const startup::RegistrySource& source : startup::registrySources(machine.registry.views()))
        warnIfRefused(context, source.root, source.liveKey, source.view);

    const startup::StartupPlaces places = startup::findStartupPlaces(machine, store);
    const auto entries = startup::listStartupEntries(machine, places, [] { return true; });
    Report report{"startup", {"Name", "Command", "Location", "State", "Source", "Root", "View", "Key path", "File"}, {}};
    if (entries)
        for (const startup::StartupEntry& entry : *entries) report.records.push_back(recordOf(context, entry, places, english));
    return report;
}

}  // namespace report
