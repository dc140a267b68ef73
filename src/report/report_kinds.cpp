#include "report/report_kinds.h"

#include "report/programs_report.h"
#include "report/startup_report.h"

namespace report {

// A gap: the scan waits for the scanner's scan without windows (scanner::scan);
// until it lands, `report scan` has no listing and the console program refuses
// it by name ("not available in this build", exit 2).
ReportKinds reportKinds() {
    return {{
        {What::Programs, programsReport},
        {What::Startup, startupReport},
        {What::Scan, nullptr, true},
    }};
}

}  // namespace report
