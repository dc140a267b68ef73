#include "report/programs_report.h"

#include <array>

#include "report/report_places.h"
#include "uninstall/installed_programs.h"

namespace report {

namespace {

struct AudienceName {
    uninstall::Audience audience;
    const char* name;
};
constexpr std::array<AudienceName, 4> kAudienceNames{{
    {uninstall::Audience::AllUsers, "all users"},
    {uninstall::Audience::AllUsers32Bit, "all users, 32-bit"},
    {uninstall::Audience::AllUsers64Bit, "all users, 64-bit"},
    {uninstall::Audience::CurrentUser, "current user"},
}};

std::string audienceName(uninstall::Audience audience) {
    for (const AudienceName& entry : kAudienceNames)
        if (entry.audience == audience) return entry.name;
    return {};
}

Record recordOf(ReportContext& context, const uninstall::InstalledProgram& program) {
    const auto utf8 = context.ansiToUtf8;
    return {{"Name", utf8(program.name)},
            {"Uninstall command", utf8(program.command)},
            {"Key", utf8(program.keyName)},
            {"Root", rootName(program.root)},
            {"View", viewName(context.machine.registry.views(), program.view)},
            {"Key path", utf8(program.keyPath)},
            {"Installed for", audienceName(program.audience)},
            {"Publisher", utf8(program.publisher)},
            {"Version", utf8(program.version)},
            {"Install date", utf8(isoDate(program.installDate))},
            {"Size", program.sizeKb ? std::to_string(*program.sizeKb * 1024) : std::string()},
            {"Windows Installer", program.windowsInstaller ? "yes" : "no"}};
}

}  // namespace

std::string isoDate(const std::string& installDate) {
    if (installDate.size() != 8 || installDate.find_first_not_of("0123456789") != std::string::npos)
        return installDate;
    return installDate.substr(0, 4) + "-" + installDate.substr(4, 2) + "-" + installDate.substr(6, 2);
}

Report programsReport(ReportContext& context) {
    for (const uninstall::UninstallPlace& place : uninstall::uninstallPlaces(context.machine.registry.views()))
        warnIfRefused(context, place.root, place.ninexPath, place.view);

    // As the page lists them by default: what Windows hides stays hidden.
    const uninstall::Listing listing = uninstall::listInstalledPrograms(context.machine, uninstall::ListingSettings{});
    Report report{"programs",
                  {"Name", "Uninstall command", "Key", "Root", "View", "Key path", "Installed for", "Publisher",
                   "Version", "Install date", "Size", "Windows Installer"},
                  {}};
    for (const uninstall::InstalledProgram& program : listing.programs)
        report.records.push_back(recordOf(context, program));
    return report;
}

}  // namespace report
