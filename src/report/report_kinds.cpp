#include "report/report_kinds.h"

#include "report/startup_report.h"

namespace report {

// Programs and the scan wait for the uninstall manager's and the scanner's
// listings without windows; until they land, those kinds have no listing and
// the console program refuses them by name.
ReportKinds reportKinds() {
    return {{
        {What::Programs, nullptr},
        {What::Startup, startupReport},
        {What::Scan, nullptr, true},
    }};
}

}  // namespace report
