#pragma once
// The three report kinds over the tools' own listing and scanning functions,
// so a report and the page list the same entries.
#include "report/console_program.h"

namespace report {

ReportKinds reportKinds();

}  // namespace report
