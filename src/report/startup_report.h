#pragma once
// The startup report: every entry the startup page lists, with where it lives.
#include "report/console_program.h"

namespace report {

Report startupReport(ReportContext& context);

}  // namespace report
