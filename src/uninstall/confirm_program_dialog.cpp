#include "uninstall/confirm_program_dialog.h"

namespace uninstall {
namespace {

constexpr int kRaiseTwips = 200;  // above the screen's centre
constexpr const char* kTitle = "Vantrel 2003";
constexpr int kWatchIntervalMs = 500;

}  // namespace

ConfirmProgramDialog::ConfirmProgramDialog(platform::Desktop& desktop, const localisation::Language& language)
    : window("ConfirmProgramDialog", {0, 0, 5400, 2400}, kTitle),
      programLabel("programLabel", {240, 240, 4920, 300}),
      questionLabel("questionLabel", {240, 660, 4920, 720}, "Are you sure you want to uninstall the selected program??"),
      okButton("okButton", {2400, 1500, 1320, 420}, "        OK"),
      cancelButton("cancelButton", {3840, 1500, 1320, 420}, "     Cancel"),
      uninstallerWatch("uninstallerWatch", kWatchIntervalMs),
      desktop_(desktop),
      language_(language) {
    programLabel.setHeading(true);
    for (ui::Control* control : {static_cast<ui::Control*>(&programLabel), static_cast<ui::Control*>(&questionLabel),
                                 static_cast<ui::Control*>(&okButton), static_cast<ui::Control*>(&cancelButton)})
        window.add(*control);
    window.add(uninstallerWatch);
    okButton.onClick = [this] { ok(); };
    cancelButton.onClick = [this] { cancel(); };
    window.onClose = [this] { cancel(); };
    window.defaultButton = &okButton;
    window.onCancel = [this] { cancel(); };
}

void ConfirmProgramDialog::openForUninstall(const InstalledProgram& program) {
    open(program, ConfirmMode::Uninstall, 54);
}

void ConfirmProgramDialog::openForRemoval(const InstalledProgram& program) {
    open(program, ConfirmMode::RemoveEntry, 50);
}

void ConfirmProgramDialog::open(const InstalledProgram& program, ConfirmMode mode, int questionKey) {
    if (!loaded_) {
        loaded_ = true;
        okButton.setCaption(language_.text(52));
        cancelButton.setCaption(language_.text(53));
        window.move((desktop_.screenWidthTwips() - window.width()) / 2,
                    (desktop_.screenHeightTwips() - window.height()) / 2 - kRaiseTwips);
    }
    // Texts and mode together, every time: OK must do what the question says.
    program_ = program;
    mode_ = mode;
    questionLabel.setCaption(language_.text(questionKey));
    programLabel.setCaption(program.name);
    window.show();
    window.setFocus();
}

void ConfirmProgramDialog::ok() {
    if (!loaded_) return;
    if (mode_ == ConfirmMode::RemoveEntry) {
        const InstalledProgram program = program_;
        cancel();
        if (removeEntry) removeEntry(program);
        return;
    }
    if (runUninstaller) runUninstaller(program_);
}

void ConfirmProgramDialog::cancel() {
    window.hide();
    loaded_ = false;
}

}  // namespace uninstall
