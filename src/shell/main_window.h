#pragma once
// The main window: its controls, its working state and signals, the
// page switches, the layout rules and the menu.
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
class MainWindow : public store::EnumerationProgress, public controls::TrayEvents {
public:
    // The tray icon's shell and host come from whoever renders the window.
    MainWindow(platform::Machine& machine, controls::NotifyShell& notifyShell, controls::TrayHost& trayHost,
               std::function<double()> random);
    ~MainWindow() override;

    // Start-up: initialize, then load (the about box's load routine runs both).
    void initialize();  // (Initialize)
    void load();        // (Load)
    bool loaded() const { return loaded_; }

    // Pages. The listings themselves belong to the uninstall and startup tools,
    // which fill these hooks; the switches run first.
    void showUninstallPage();  // (ShowUninstallPage)
    void showStartupPage();    // (ShowStartupPage)
    void showScannerPage();    // (ShowScannerPage)

    // Runs on every change of the window's size or state (Resize).
    void applyResizeRules();
    // The window itself (none of its controls) got the input focus: the about box takes it (GotFocus).
    void windowGotFocus();

    // The removal command's way to rebuild the uninstall list: every signal whose
    // number is 556 rebuilds, even when the last one was 556 too (UninstallRefreshSignal, Text3).
    void signalUninstallRefresh(const std::string& text);
    const std::string& uninstallRefreshSignal() const { return uninstallRefreshSignal_; }
    // The startup tools' way to rebuild the startup list: only a change of the signal
    // to a number 2 rebuilds, so callers set the empty text first (StartupRefreshSignal, Text7).
    void signalStartupRefresh(const std::string& text);
    const std::string& startupRefreshSignal() const { return startupRefreshSignal_; }

    // Menu commands.
    void optionsCommand();  // (OptionsCommand)
    void helpCommand();     // (HelpCommand)
    void aboutCommand();    // (AboutCommand)
    void exitCommand();     // (ExitCommand)
    // The window is closed (close box, log-off): tray icon hidden, ticks saved, process ended (Unload).
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

    // store::EnumerationProgress: each name in the status caption; a search box
    // reading 2 is the user's way to stop a long walk.
    void showName(const std::string& name) override;
    bool stopRequested() const override;

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
    ui::ListView programList;                 // installed programs (View1)
    ui::Label selectedProgramLabel;           // (Label4)
    ui::Picture selectionPicture;             // beside the selected program's name (Image2)
    startup::StartupPage startupPage;         // its list and buttons, its entries and commands
    ui::ListView categoryList;                // the scanner's seven categories (Viewn1)
    ui::ListView findingsList;                // one row per bad reference (Viewn2)
    ui::Label statusCaption;                  // progress and result lines (Label1)
    ui::Frame uninstallButtons;               // uninstall page buttons (Frame5)
    ui::Button checkBadEntriesButton;         // (drawnButton16)
    ui::Button refreshProgramsButton;         // (drawnButton5)
    ui::Button programInfoButton;             // (drawnButton13)
    ui::Button removeEntryButton;             // (drawnButton14)
    ui::Button uninstallButton;               // (drawnButton15)
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
    int selectedRow = 0;           // last row clicked in the program list (SelectedRow, Text1)
    int scanRowCount = 0;          // finding rows after the last finished check (ScanRowCount, Text1)
    std::string joinedValueNames;  // what appendValueNames left for the startup listing (Text1)
    int uninstallKeyMode = 0;      // 2: the NT form of the Uninstall key was listed (UninstallKeyMode, Text8)
    int badEntryCount = 0;         // bad uninstall entries the user kept (BadEntryCount, Text12)
    int findStartRow = 0;          // where the next Find starts (FindStartRow, Text14)
    FindTarget findTarget = FindTarget::Programs;  // (FindTarget, Text15)
    std::string languageFileName;                  // in the lang folder, read at start-up (Text16)
    std::vector<std::string> referenceBuffer;      // reference texts of a running check (ReferenceBuffer, List2)

    std::unique_ptr<scanner::ScannerPage> scannerPage;

    // controls::TrayEvents: a double click on the icon brings the window back maximised.
    void DblClick() override;
    controls::NotificationIcon trayIcon;  // (TrayArea1)
    // The uninstall page's listing and commands, over the controls and fields above.
    std::unique_ptr<uninstall::UninstallTool> uninstallTool;

private:
    void buildLayout();
    void wireHandlers();
    void wireUninstallTool();
    void findInShownList();
    startup::StartupPageHost startupPageHost();
    void wireStartupPage();
    void setCaptionsFromLanguage();
    void readLanguageChoice();
    void supersedeWalks() { ++generation_; }
    // Emptied by every page switch to a list page: the three shared one field.
    void clearRowAndValueNames();
    void layOut(int width, int height);
    void fitCategoryColumns();

    std::string unreadLanguageFile_;  // the stored choice that could not be read at start-up
    std::string uninstallRefreshSignal_ = "0";
    std::string startupRefreshSignal_;
    bool loaded_ = false;
    std::uint64_t generation_ = 0;
    // How many size corrections are under way; bounds the resize that a correction raises again.
    int sizeCorrections_ = 0;
};

}  // namespace shell
