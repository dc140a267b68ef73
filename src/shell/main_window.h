#pragma once
// The main window: the services, the menu, the status line and the page
// switch; the layout rules. Each tool page owns its controls and state.
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "backup/backups.h"
#include "controls/notification_icon.h"
#include "localisation/lang_text.h"
#include "platform/machine.h"
#include "scanner/scanner_page.h"
#include "startup/startup_page.h"
#include "store/settings_store.h"
#include "ui/list_view.h"
#include "ui/simple_controls.h"
#include "ui/window.h"
#include "uninstall/uninstall_page.h"

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
inline constexpr int kPageHeadingWidth = 6000;
inline constexpr int kCategoryFirstColumn = 4410;
inline constexpr int kCategorySecondColumn = 7056;

// Which list Find searches: the uninstall page's or the startup page's.
enum class FindTarget { Programs, StartupEntries };

// (Form1)
class MainWindow : public controls::TrayEvents {
public:
    // The tray icon's shell and host come from whoever renders the window.
    MainWindow(platform::Machine& machine, controls::NotifyShell& notifyShell, controls::TrayHost& trayHost,
               std::function<double()> random);
    ~MainWindow() override;

    // Start-up: initialize, then load (the about box's load routine runs both).
    void initialize();  // (Initialize)
    void load();        // (Load)
    bool loaded() const { return loaded_; }

    // Pages. The listings themselves belong to the pages, which fill these
    // hooks; the switches run first. A page lists afresh through its switch.
    void showUninstallPage();  // (ShowUninstallPage)
    void showStartupPage();    // (ShowStartupPage)
    void showScannerPage();    // (ShowScannerPage)

    // Runs on every change of the window's size or state (Resize).
    void applyResizeRules();
    // The window itself (none of its controls) got the input focus: the about box takes it (GotFocus).
    void windowGotFocus();

    // Menu commands.
    void optionsCommand();  // (OptionsCommand)
    void helpCommand();     // (HelpCommand)
    void aboutCommand();    // (AboutCommand)
    // Exit, or the window closed (close box, log-off): tray icon hidden, ticks
    // saved, process ended (ExitCommand, Unload).
    void unload();

    // A walk (listing, scan) remembers the generation it started in and stops
    // after a yield once a page switch, another listing or closing moved it on.
    std::uint64_t generation() const { return generation_; }
    bool superseded(std::uint64_t startedIn) const { return generation_ != startedIn; }

    // Hooks filled by the tools and by the application.
    std::function<void()> listInstalledPrograms;  // start-up step 11 and the uninstall page's listing
    std::function<void()> listStartupEntries;     // the startup page's listing
    std::function<void()> findNext;               // Find (button or Enter in the search box)
    std::function<void()> showOptions;            // load and show the options dialog
    std::function<void()> showAbout;              // load and show the about box
    // A tool made one of its dialogs: whoever renders the windows binds it before it is shown.
    std::function<void(ui::Window&)> windowMade;

    platform::Machine& machine;
    store::SettingsStore store;
    backup::Backups backups;  // every change the tools make is saved here first
    localisation::Language language;

    // The window and its regions, top to bottom.
    ui::Window window;
    ui::Frame menuBar;                        // (Frame3)
    ui::Button uninstallMenuButton;           // (drawnButton4)
    ui::Button startupMenuButton;             // (drawnButton7)
    ui::Button scannerMenuButton;             // (drawnButton8)
    ui::Button optionsMenuButton;             // (drawnButton9)
    ui::Button helpMenuButton;                // (drawnButton10)
    ui::Button aboutMenuButton;               // (drawnButton11)
    ui::Button exitMenuButton;                // (drawnButton12)
    ui::Button brokenShortcutsButton;         // "Broken ShortCuts", never shown (drawnButton6)
    ui::Picture productPicture;               // right end of the menu bar (Image1)
    ui::Picture emblemPicture;                // left of the product picture (Image4)
    ui::Frame bandBelowMenu;                  // hidden; sized with the menu bar (Frame1)
    ui::Frame spareFrame, otherSpareFrame;    // hidden, without a role (Frame2, Frame4)
    ui::Label pageHeading;                    // (Label3)
    ui::Label spareCaption;                   // kept at the right edge (Label2)
    ui::TextBox searchBox;                    // change restarts Find, Enter runs it (Text2)
    ui::Button findButton;                    // (cButton5)
    ui::Label selectedProgramLabel;           // the chosen program or entry, under the list pages (Label4)
    startup::StartupPage startupPage;         // its list and buttons, its entries and commands
    ui::ListView categoryList;                // the scanner's seven categories (Viewn1)
    ui::ListView findingsList;                // one row per bad reference (Viewn2)
    ui::Label statusCaption;                  // progress and result lines (Label1)
    ui::Frame scannerButtons;                 // scanner page buttons (Frame7)
    ui::Button startScanButton;               // (drawnButton26)
    ui::Button selectAllFindingsButton;       // (drawnButton22)
    ui::Button selectNoFindingsButton;        // (drawnButton23)
    ui::Button deleteFindingsButton;          // (drawnButton24)
    ui::Button refreshScanButton;             // (drawnButton25)
    ui::StatusBar statusBar;                  // panel 1: product text, panel 2: the page's (StatusBar1)
    std::array<int, 2> separatorRightEnds{};  // right ends of the two separator lines (Line1)
    ui::Line menuSeparator;                   // under the menu bar (Line1, element 0)
    ui::Line headerSeparator;                 // between the page heading and the page (Line1, element 1)

    // Working state carried between operations; row numbers count from 1, 0 is none.
    int scanRowCount = 0;          // finding rows after the last finished check (ScanRowCount, Text1)
    int findStartRow = 0;          // where the next Find starts (FindStartRow, Text14)
    FindTarget findTarget = FindTarget::Programs;  // (FindTarget, Text15)
    std::string languageFileName;                  // in the lang folder, read at start-up (Text16)

    std::unique_ptr<scanner::ScannerPage> scannerPage;

    // controls::TrayEvents: a double click on the icon brings the window back maximised.
    void DblClick() override;
    controls::NotificationIcon trayIcon;  // (TrayArea1)
    // The uninstall page: its controls, its records and its commands.
    std::unique_ptr<uninstall::UninstallPage> uninstallPage;

private:
    void buildLayout();
    void wireHandlers();
    void makeUninstallPage();
    void findInShownList();
    startup::StartupPageHost startupPageHost();
    void wireStartupPage();
    void setCaptionsFromLanguage();
    void readLanguageChoice();
    void supersedeWalks() { ++generation_; }
    // Emptied by every page switch to a list page: the uninstall page's chosen row shared its field (Text1).
    void clearScanRowCount() { scanRowCount = 0; }
    void layOut(int width, int height);
    void fitCategoryColumns();

    std::string unreadLanguageFile_;  // the stored choice that could not be read at start-up
    bool loaded_ = false;
    std::uint64_t generation_ = 0;
    // How many size corrections are under way; bounds the resize that a correction raises again.
    int sizeCorrections_ = 0;
};

}  // namespace shell
