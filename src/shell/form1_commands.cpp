#include "scanner/scan_categories.h"
#include "shell/form1.h"

namespace shell {

namespace {

constexpr const char* kHelpViewer = "hh.exe ";
constexpr const char* kHelpFile = "\\VantrelHelp.chm";

std::vector<std::string>& reportedList(Form1& form, store::WorkingList list) {
    switch (list) {
    case store::WorkingList::List1: return form.List(1);
    case store::WorkingList::List4: return form.List(4);
    case store::WorkingList::List5: break;
    }
    return form.List(5);
}

}  // namespace

void Form1::OptionsCommand() {
    if (showOptions) showOptions();
}

// A missing viewer or help file is not worth a message.
void Form1::HelpCommand() {
    machine.processes.start(kHelpViewer + machine.files.programFolder() + kHelpFile, platform::ShowState::Normal);
}

void Form1::AboutCommand() {
    if (showAbout) showAbout();
}

// Exit leaves the tray icon to the end of the process, unlike closing the window.
void Form1::ExitCommand() {
    supersedeWalks();
    scanner::SaveScanCategories(Viewn1, store);
    machine.desktop.endProcess();
}

void Form1::Unload() {
    supersedeWalks();
    TrayArea1.Visible(false);
    scanner::SaveScanCategories(Viewn1, store);
    machine.desktop.endProcess();
}

// The about box may be unable to take the focus; it is shown all the same.
void Form1::GotFocus() { AboutCommand(); }

void Form1::clearList(store::WorkingList list) { reportedList(*this, list).clear(); }

void Form1::addToList(store::WorkingList list, const std::string& item) { reportedList(*this, list).push_back(item); }

// The renderer repaints the caption as soon as it changes.
void Form1::showProgress(const std::string& name) { Label1.setCaption(name); }

}  // namespace shell
