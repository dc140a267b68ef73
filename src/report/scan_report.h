#pragma once
// The scan report: the findings of the chosen categories, as the scanner page
// lists them, with the places a Delete would remove.
#include "report/console_program.h"

namespace report {

Report scanReport(ReportContext& context);

}  // namespace report
