#pragma once
// The question before Uninstall or Remove Entry: the program's name, what is
// about to happen, OK and Cancel. Each opening sets what OK does.
#include <functional>
#include <string>

#include "localisation/lang_text.h"
#include "platform/desktop.h"
#include "ui/simple_controls.h"
#include "ui/window.h"
#include "uninstall/installed_programs.h"

namespace uninstall {

enum class ConfirmMode { Uninstall, RemoveEntry };

// (Form4)
class ConfirmProgramDialog {
public:
    ConfirmProgramDialog(platform::Desktop& desktop, const localisation::Language& language);

    void openForUninstall(const InstalledProgram& program);
    void openForRemoval(const InstalledProgram& program);
    void ok();      // runs the command; a removal closes the dialog, an uninstall keeps it open
    void cancel();  // closes; nothing else
    bool loaded() const { return loaded_; }
    ConfirmMode mode() const { return mode_; }
    const InstalledProgram& program() const { return program_; }

    // What OK does; the uninstall page fills them.
    std::function<void(const InstalledProgram&)> runUninstaller;
    std::function<void(const InstalledProgram&)> removeEntry;

    ui::Window window;
    ui::Label programLabel;   // (Label1)
    ui::Label questionLabel;  // (Label4)
    ui::Button okButton;      // (cButton5)
    ui::Button cancelButton;  // (drawnButton1)
    // Looks now and then whether an uninstaller started from here has ended.
    ui::Timer uninstallerWatch;

private:
    void open(const InstalledProgram& program, ConfirmMode mode, int questionKey);

    platform::Desktop& desktop_;
    const localisation::Language& language_;
    InstalledProgram program_;
    ConfirmMode mode_ = ConfirmMode::Uninstall;
    bool loaded_ = false;
};

}  // namespace uninstall
