#pragma once
// The programs report: every installed program the uninstall page lists, with
// every field its record holds and where it lives.
#include "report/console_program.h"

namespace report {

Report programsReport(ReportContext& context);

// "20240131" as ISO 8601 "2024-01-31"; any other text as written.
std::string isoDate(const std::string& installDate);

}  // namespace report
