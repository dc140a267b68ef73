#pragma once
// Where a record lives, as reports name it: roots by their registry-editor
// names, views plainly, and a place the report may not read told on standard error.
#include <string>

#include "platform/registry.h"
#include "platform/registry_view.h"
#include "report/console_program.h"

namespace report {

// "HKEY_LOCAL_MACHINE"; empty for no root.
std::string rootName(platform::Key root);
// "64-bit" or "32-bit" on a machine with two views, "native" on one with one.
std::string viewName(const platform::RegistryViews& views, platform::View view);
// Tells, on standard error, a key that exists but refuses to be read; the report goes on without it.
void warnIfRefused(ReportContext& context, platform::Key root, const std::string& path, platform::View view);

}  // namespace report
