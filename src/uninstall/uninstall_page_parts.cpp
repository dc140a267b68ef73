#include "uninstall/uninstall_page_parts.h"

namespace uninstall {
namespace {

// Page buttons share one size and sit left to right in their frame, as on the other pages.
ui::Rect pageButton(int slot) { return {120 + slot * 2010, 135, 1890, 495}; }

}  // namespace

UninstallPageParts::UninstallPageParts()
    : programList("programList", {135, 1920, 10200, 3825},
                  {{"Program Name", 3500},
                   {"Uninstalling String", 6500},
                   {"", 0},
                   {"Publisher", 2400},
                   {"Version", 1200},
                   {"Installed", 1200},
                   {"Size", 1100},
                   {"Where", 1800}}),
      selectionPicture("selectionPicture", {135, 5895, 240, 240}, "selection"),
      buttons("uninstallButtons", {45, 5835, 10300, 765}),
      checkBadEntriesButton("checkBadEntriesButton", pageButton(0), "Check bad entries"),
      refreshButton("refreshProgramsButton", pageButton(1), "   Refresh"),
      programInfoButton("programInfoButton", pageButton(2), "Program Info"),
      removeEntryButton("removeEntryButton", pageButton(3), "   Delete"),
      uninstallButton("uninstallButton", pageButton(4), "   Uninstall") {}

}  // namespace uninstall
