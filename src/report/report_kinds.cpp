#include "report/report_kinds.h"

#include "report/programs_report.h"
#include "report/startup_report.h"

namespace report {

// The scan waits for the scanner's scan without windows; until it lands, that
// kind has no listing and the console program refuses it by name.
ReportKinds reportKinds() {
    return {{
        {What::Programs, programsReport},
        {What::Startup, startupReport},
        {What::Scan, nullptr, true},
    }};
}

}  // namespace report
