#pragma once
// The uninstall page's controls at their design places; the main window puts
// them in its window and lays them out with the other pages.
#include <array>

#include "ui/list_view.h"
#include "ui/simple_controls.h"

namespace uninstall {

inline constexpr std::size_t kNameColumn = 0;
inline constexpr std::size_t kCommandColumn = 1;
// After the hidden one: what people sort by.
inline constexpr std::size_t kPublisherColumn = 3;
inline constexpr std::size_t kVersionColumn = 4;
inline constexpr std::size_t kInstalledColumn = 5;
inline constexpr std::size_t kSizeColumn = 6;
inline constexpr std::size_t kWhereColumn = 7;
inline constexpr std::size_t kColumnCount = 8;
inline constexpr const char* kProgramPicture = "a";

struct UninstallPageParts {
    UninstallPageParts();

    // The five buttons in their frame's order, left to right.
    std::array<ui::Button*, 5> buttonsInOrder() {
        return {&checkBadEntriesButton, &refreshButton, &programInfoButton, &removeEntryButton, &uninstallButton};
    }

    ui::ListView programList;        // installed programs; the key name's column is empty and hidden (View1)
    ui::Picture selectionPicture;    // beside the chosen program's name (Image2)
    ui::Frame buttons;               // (Frame5)
    ui::Button checkBadEntriesButton;  // (drawnButton16)
    ui::Button refreshButton;          // (drawnButton5)
    ui::Button programInfoButton;      // (drawnButton13)
    ui::Button removeEntryButton;      // (drawnButton14)
    ui::Button uninstallButton;        // (drawnButton15)
};

}  // namespace uninstall
