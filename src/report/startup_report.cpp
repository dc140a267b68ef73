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
    Record record{{"Name", utf8(store::trimSpaces(entry.name))},
                  {"Command", utf8(entry.command)},
                  {"Location", utf8(english.text(startup::locationTextKey(entry.source)))},
                  {"State", entry.active ? "active" : "disabled"},
                  {"Source", std::to_string(static_cast<int>(entry.source))}};
    if (startup::isRegistrySource(entry.source)) {
        record.push_back({"Root", rootName(entry.root)});
        record.push_back({"View", viewName(context.machine.registry.views(), entry.view)});
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
    for (const startup::RegistrySource& source : startup::registrySources())
        warnIfRefused(context, source.root, source.liveKey, source.view);

    const startup::StartupPlaces places = startup::findStartupPlaces(machine, store);
    const auto entries = startup::listStartupEntries(machine, places, [] { return true; });
    Report report{"startup", {"Name", "Command", "Location", "State", "Source", "Root", "View", "Key path", "File"}, {}};
    if (entries)
        for (const startup::StartupEntry& entry : *entries) report.records.push_back(recordOf(context, entry, places, english));
    return report;
}

}  // namespace report
