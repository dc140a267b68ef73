#include "report/report_kinds.h"

#include "report/programs_report.h"
#include "report/scan_report.h"
#include "report/startup_report.h"

namespace report {

ReportKinds reportKinds() {
    return {{
        {What::Programs, programsReport},
        {What::Startup, startupReport},
        {What::Scan, scanReport, true},
    }};
}

}  // namespace report
