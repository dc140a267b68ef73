#include <utility>

#include "scanner/scan_categories.h"
#include "shell/form1.h"

namespace shell {

namespace {

constexpr int kPositionAboveCentre = 200;

}  // namespace

void Form1::readLanguageChoice() { Text16.setText(localisation::chooseLanguageFile(store)); }

void Form1::Initialize() {
    readLanguageChoice();
    StatusBar1.setPanel(2, language.LangText(110));
}

void Form1::Load() {
    // Loading an already loaded window runs nothing again; marking it first also
    // keeps a click during the listing's yields from starting a second load.
    if (loaded_) return;
    loaded_ = true;

    readLanguageChoice();

    auto& desktop = machine.desktop;
    window.move((desktop.screenWidthTwips() - window.width()) / 2,
                (desktop.screenHeightTwips() - window.height()) / 2 - kPositionAboveCentre);

    Label4.setCaption("");
    for (int number = 1; number <= 4; ++number) List(number).clear();
    View1.clear();
    Text8.setText("");

    supersedeWalks();
    if (listInstalledPrograms) listInstalledPrograms();

    Label1.setCaption("");
    scanner::BuildScanCategories(Viewn1, store, language);
    StatusBar1.setPanel(1, language.LangText(88));
    setCaptionsFromLanguage();
    StatusBar1.setPanel(1, language.LangText(88));
}

// Every caption and header comes from the language file, empty ones included:
// there is no built-in fallback text.
void Form1::setCaptionsFromLanguage() {
    const std::pair<ui::Captioned*, int> captions[] = {
        {&drawnButton4, 2},   {&drawnButton7, 3},   {&drawnButton8, 4},   {&drawnButton9, 5},
        {&drawnButton10, 6},  {&drawnButton11, 7},  {&drawnButton12, 8},  {&cButton5, 9},
        {&Label3, 10},        {&drawnButton16, 11}, {&drawnButton5, 12},  {&drawnButton13, 13},
        {&drawnButton14, 14}, {&drawnButton15, 15}, {&drawnButton21, 16}, {&drawnButton17, 17},
        {&drawnButton18, 18}, {&drawnButton19, 19}, {&drawnButton20, 20}, {&drawnButton26, 22},
        {&drawnButton22, 23}, {&drawnButton23, 24}, {&drawnButton24, 25}, {&drawnButton25, 26},
    };
    for (const auto& [control, key] : captions) control->setCaption(language.LangText(key));

    struct Header {
        ui::ListView& list;
        std::size_t column;
        int key;
    };
    const Header headers[] = {
        {View1, 0, 35},  {View1, 1, 36},  {View2, 0, 37},  {View2, 1, 38},  {View2, 2, 39},
        {Viewn1, 0, 40}, {Viewn1, 1, 41}, {Viewn2, 0, 42}, {Viewn2, 1, 43},
    };
    for (const auto& header : headers) header.list.setColumnHeader(header.column, language.LangText(header.key));
}

}  // namespace shell
