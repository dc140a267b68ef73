#pragma once
// The main window: its controls as the program names them, its working
// fields and signals, the page switches, the layout rules and the menu.
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "controls/tray_area.h"
#include "localisation/lang_text.h"
#include "platform/machine.h"
#include "store/enum_outputs.h"
#include "store/settings_store.h"
#include "ui/list_view.h"
#include "ui/simple_controls.h"
#include "ui/window.h"

namespace shell {

inline constexpr const char* kProductTitle = "Vantrel 2003";
// The window as designed: a client area of 10380 x 7050 inside an outer size of 10500 x 7545.
inline constexpr int kDesignClientWidth = 10380;
inline constexpr int kDesignClientHeight = 7050;
inline constexpr int kDesignWidth = 10500;
inline constexpr int kDesignHeight = 7545;
// Below these the window snaps back (width) or grows (height).
inline constexpr int kMinimumWidth = 8715;
inline constexpr int kMinimumHeight = 7455;
inline constexpr int kSnapWidth = 10600;

class Form1 : public store::EnumOutputs, public controls::TrayEvents {
public:
    // The tray icon's shell and host come from whoever renders the window.
    Form1(platform::Machine& machine, controls::NotifyShell& notifyShell, controls::TrayHost& trayHost,
          std::function<double()> random);
    ~Form1() override;

    // Start-up: Initialize, then Load (the about box's load routine runs both).
    void Initialize();
    void Load();
    bool loaded() const { return loaded_; }

    // Pages. The listings themselves belong to the uninstall and startup tools,
    // which fill these hooks; the switches run first.
    void ShowUninstallPage();
    void ShowStartupPage();
    void ShowScannerPage();

    // Runs on every change of the window's size or state.
    void Resize();
    // The window itself (none of its controls) got the input focus: the about box takes it.
    void GotFocus();

    // Asks for a rebuild of the uninstall list the way the removal command does:
    // every assignment of "556" rebuilds, even when the signal already holds it.
    void signalUninstallRefresh(const std::string& text);

    // Menu commands.
    void OptionsCommand();
    void HelpCommand();
    void AboutCommand();
    void ExitCommand();
    // The window is closed (close box, log-off): tray icon hidden, ticks saved, process ended.
    void Unload();

    // A walk (listing, scan) remembers the generation it started in and stops
    // after a yield once a page switch, another listing or closing moved it on.
    std::uint64_t generation() const { return generation_; }
    bool superseded(std::uint64_t startedIn) const { return generation_ != startedIn; }

    // Hooks filled by the tools and by the application.
    std::function<void()> listInstalledPrograms;  // start-up step 11 and the uninstall page's listing
    std::function<void()> listStartupEntries;      // the startup page's listing
    std::function<void()> findNext;                // Find (button or Enter in the search box)
    std::function<void()> showOptions;             // load and show the options dialog
    std::function<void()> showAbout;               // load and show the about box

    // store::EnumOutputs: where the store's enumerations report.
    void clearList(store::WorkingList list) override;
    void addToList(store::WorkingList list, const std::string& item) override;
    void showProgress(const std::string& name) override;
    std::string text1() const override { return Text1.text(); }
    void setText1(const std::string& text) override { Text1.setText(text); }
    std::string searchText() const override { return Text2.text(); }

    platform::Machine& machine;
    store::SettingsStore store;
    localisation::Language language;

    // The window and its regions, top to bottom.
    ui::Window window;
    ui::Frame Frame3;                     // menu bar
    ui::Button drawnButton4, drawnButton7, drawnButton8, drawnButton9, drawnButton10, drawnButton11,
        drawnButton12;                    // menu: uninstall, startup, scanner, options, help, about, exit
    ui::Button drawnButton6;              // "Broken ShortCuts", never shown
    ui::Picture Image1, Image4;           // pictures at the right end of the menu bar
    ui::Frame Frame1, Frame2, Frame4;     // hidden frames
    ui::Label Label3;                     // page heading
    ui::Label Label2;                     // spare caption kept at the right edge
    ui::TextBox Text2;                    // search box: change resets Find, Enter runs it
    ui::Button cButton5;                  // Find
    ui::ListView View1;                   // installed programs
    ui::Label Label4;                     // selected-program caption
    ui::Picture Image2;                   // selection picture
    ui::ListView View2;                   // startup entries
    ui::ListView Viewn1;                  // scanner categories
    ui::ListView Viewn2;                  // scanner findings
    ui::Label Label1;                     // status caption: progress and result lines
    ui::Frame Frame5;                     // uninstall page buttons
    ui::Button drawnButton16, drawnButton5, drawnButton13, drawnButton14, drawnButton15;
    ui::Frame Frame6;                     // startup page buttons
    ui::Button drawnButton21, drawnButton17, drawnButton18, drawnButton19, drawnButton20;
    ui::Frame Frame7;                     // scanner page buttons
    ui::Button drawnButton26, drawnButton22, drawnButton23, drawnButton24, drawnButton25;
    ui::StatusBar StatusBar1;             // panel 1: product text, panel 2: the page's status text
    std::array<int, 2> Line1Right{};      // right ends of the two separator lines

    // Working fields (hidden text boxes); see each tool for their roles.
    ui::TextBox Text1;   // SelectedRow / ScanRowCount / value names of fEnumValuea
    ui::TextBox Text3;   // UninstallRefreshSignal: "556" rebuilds the uninstall list
    ui::TextBox Text4;   // SelectedStartupRow
    ui::TextBox Text5, Text6, Text9, Text10;
    ui::TextBox Text7;   // StartupRefreshSignal: "2" rebuilds the startup list
    ui::TextBox Text8;   // UninstallKeyMode
    ui::TextBox Text11;  // LogonUserName
    ui::TextBox Text12;  // BadEntryCount
    ui::TextBox Text13;  // ActiveRowCount
    ui::TextBox Text14;  // FindStartRow
    ui::TextBox Text15;  // FindTarget
    ui::TextBox Text16;  // language file name
    // Working lists (hidden list boxes) List1 to List10; List2 is the scanner's ReferenceBuffer.
    std::array<std::vector<std::string>, 10> lists;
    std::vector<std::string>& List(int number) { return lists.at(static_cast<std::size_t>(number - 1)); }

    // controls::TrayEvents: a double click on the icon brings the window back maximised.
    void DblClick() override;
    controls::TrayArea TrayArea1;

private:
    void buildLayout();
    void wireHandlers();
    void setCaptionsFromLanguage();
    void readLanguageChoice();
    void supersedeWalks() { ++generation_; }
    void uninstallSignalChanged();
    void startupSignalChanged();
    void layOut(int width, int height);

    bool loaded_ = false;
    std::uint64_t generation_ = 0;
    // How many size corrections are under way; bounds the resize that a correction raises again.
    int sizeCorrections_ = 0;
};

}  // namespace shell
