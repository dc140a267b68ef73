#include "localisation/options_dialog.h"

#include <gtest/gtest.h>
#include <fstream>

#include <optional>
#include <stdexcept>
#include <stdlib.h>

#include "platform/substitute_machine.h"
#include "product/version.h"
#include "support/refusing_registry.h"
#include "support/temp_folder.h"

namespace {

class OptionsDialogTest : public ::testing::Test {
protected:
    OptionsDialogTest()
        : root(testing_support::makeTempFolder("vantrel-options")),
          pc(root, "C:\\Vantrel"),
          store(pc.registry, pc.profile, pc.files),
          language(store, pc.files, [this] { return languageInUse; }),
          dialog(pc.machine(), store, language) {
        std::filesystem::create_directories(root / "Vantrel" / "lang");
        std::ofstream(root / "Vantrel" / "lang" / "test.ini", std::ios::binary)
            << "[001]\r\n052=Okay\r\n065=Abort\r\n068=Language\r\n069=File:\r\n070=Settings\r\n081=Web:\r\n"
               "087=Restart to apply\r\n094=Cannot open\r\n101=Notice\r\n";
        std::ofstream(root / "Vantrel" / "lang" / "french.ini", std::ios::binary) << "[001]\r\n087=Redemarrez\r\n";
    }
    ~OptionsDialogTest() override { std::filesystem::remove_all(root); }

    // The stored bytes as they are, to see that no terminating zero went in.
    std::optional<std::string> storedChoice() {
        platform::Key key = 0;
        if (pc.registry.openKey(platform::kHkeyLocalMachine, "software\\morvalen\\brevisk", platform::kKeyRead, key))
            return std::nullopt;
        std::uint8_t data[256] = {};
        std::uint32_t type = 0, size = sizeof data;
        const auto status = pc.registry.queryValue(key, "language", &type, data, &size);
        pc.registry.closeKey(key);
        if (status != platform::kSuccess) return std::nullopt;
        return std::string(reinterpret_cast<const char*>(data), size);
    }
    void browseTo(std::optional<std::string> choice) {
        pc.desktop.fileChoices.push_back(std::move(choice));
        dialog.browseButton.click();
    }
    const platform::ScriptedDesktop::Message& lastMessage() {
        if (pc.desktop.messages.empty()) throw std::runtime_error("no message shown");
        return pc.desktop.messages.back();
    }

    std::filesystem::path root;
    platform::SubstituteMachine pc;
    store::SettingsStore store;
    std::string languageInUse = "test.ini";  // the main window's languageFileName
    localisation::Language language;
    localisation::OptionsDialog dialog;
};

}  // namespace

TEST_F(OptionsDialogTest, Load_ShowsTheStoredChoiceOrEnglishAndTheTextsOfTheLanguageInUse) {
    dialog.show();
    EXPECT_EQ(dialog.fileNameBox.text(), "english.ini");
    EXPECT_EQ(dialog.window.title(), "Settings");
    EXPECT_EQ(dialog.okButton.caption(), "Okay");
    EXPECT_EQ(dialog.cancelButton.caption(), "Abort");
    EXPECT_EQ(dialog.languageFrame.caption(), "Language");
    EXPECT_EQ(dialog.fileNameLabel.caption(), "File:");
    EXPECT_EQ(dialog.webCaption.caption(), "Web:");
    EXPECT_EQ(dialog.window.top(), (pc.desktop.screenHeight - dialog.window.height()) / 2 - 1000);
    EXPECT_EQ(dialog.window.left(), (pc.desktop.screenWidth - dialog.window.width()) / 2);

    store.saveString(platform::kHkeyLocalMachine, "software\\morvalen\\brevisk", "language", "French.ini");
    dialog.show();
    EXPECT_EQ(dialog.fileNameBox.text(), "english.ini") << "an open dialog is not loaded again";
    dialog.cancelButton.click();
    dialog.show();
    EXPECT_EQ(dialog.fileNameBox.text(), "French.ini");
}

TEST_F(OptionsDialogTest, Browse_KeepsTheNameOfAnyFileEndingInIniInTheLanguageFolder) {
    dialog.show();
    browseTo("C:\\Vantrel\\lang\\French.INI");
    ASSERT_EQ(pc.desktop.fileRequests.size(), 1u);
    EXPECT_EQ(pc.desktop.fileRequests[0].initialFolder, "C:\\Vantrel\\lang");
    EXPECT_EQ(pc.desktop.fileRequests[0].initialName, "*.ini");
    EXPECT_EQ(pc.desktop.fileRequests[0].filter, "*.ini");
    EXPECT_EQ(dialog.fileNameBox.text(), "French.INI");
    browseTo(" c:\\vantrel\\LANG\\frenchini ");
    EXPECT_EQ(dialog.fileNameBox.text(), "frenchini") << "the folder compared without regard to case";
    browseTo(std::nullopt);
    EXPECT_EQ(dialog.fileNameBox.text(), "frenchini") << "cancelling leaves the box";
    EXPECT_TRUE(pc.desktop.messages.empty());
}

TEST_F(OptionsDialogTest, Browse_RefusesAFileFromOutsideTheLanguageFolderAndSaysWhere) {
    dialog.show();
    browseTo("C:\\x\\French.INI");
    EXPECT_EQ(dialog.fileNameBox.text(), "english.ini") << "the earlier choice stays";
    ASSERT_EQ(pc.desktop.messages.size(), 1u);
    EXPECT_EQ(lastMessage().text, "Please choose a language file from the folder C:\\Vantrel\\lang.");
    EXPECT_EQ(lastMessage().icon, platform::MessageIcon::Exclamation);
}

TEST_F(OptionsDialogTest, Browse_RefusesOtherFilesAndEmptiesTheBox) {
    dialog.show();
    browseTo("C:\\x\\notes.txt");
    EXPECT_EQ(dialog.fileNameBox.text(), "");
    EXPECT_EQ(pc.desktop.messages.size(), 1u);
    EXPECT_EQ(lastMessage().text, "Please Only ini files");
    EXPECT_EQ(lastMessage().icon, platform::MessageIcon::None);
    EXPECT_EQ(lastMessage().buttons, platform::MessageButtons::Ok);
    EXPECT_EQ(lastMessage().title, "") << "the application's title";
}

TEST_F(OptionsDialogTest, OK_StoresTheNameAndConfirmsInTheLanguageInUse_NothingWhenTheBoxIsEmpty) {
    dialog.show();
    dialog.fileNameBox.setText("   ");
    dialog.okButton.click();
    EXPECT_TRUE(dialog.window.visible());
    EXPECT_TRUE(pc.desktop.messages.empty());
    EXPECT_FALSE(storedChoice());

    dialog.fileNameBox.setText(" french.ini ");
    dialog.okButton.click();
    EXPECT_EQ(storedChoice(), "french.ini");
    EXPECT_EQ(pc.desktop.messages.size(), 1u);
    EXPECT_EQ(lastMessage().text, "Restart to apply");
    EXPECT_EQ(lastMessage().icon, platform::MessageIcon::Information);
    EXPECT_EQ(lastMessage().buttons, platform::MessageButtons::Ok);
    EXPECT_EQ(lastMessage().title, "") << "the application's title";
    EXPECT_FALSE(dialog.window.visible());
}

TEST_F(OptionsDialogTest, OK_RefusesATypedNameThatIsNoFileOfTheLanguageFolder) {
    std::filesystem::create_directories(root / "Vantrel" / "lang" / "sub");
    std::ofstream(root / "Vantrel" / "lang" / "sub" / "deep.ini", std::ios::binary) << "[001]\r\n";
    dialog.show();
    for (const std::string typed : {"..\\..\\windows\\win.ini", "C:\\Vantrel\\lang\\french.ini", "sub\\deep.ini",
                                    "sub/deep.ini", "*.ini", "fren?h.ini", "missing.ini", "sub.ini"}) {
        SCOPED_TRACE(typed);
        pc.desktop.messages.clear();
        dialog.fileNameBox.setText(typed);
        dialog.okButton.click();
        EXPECT_TRUE(dialog.window.visible());
        ASSERT_EQ(pc.desktop.messages.size(), 1u);
        EXPECT_EQ(lastMessage().text, typed + " is not a language file in the folder C:\\Vantrel\\lang.");
        EXPECT_FALSE(storedChoice());
    }
}

TEST_F(OptionsDialogTest, OK_AFailedSaveIsReportedWithTheSystemsReasonAndTheDialogStays) {
    testing_support::ReadOnlyMachineRegistry readOnly(pc.registry);
    store::SettingsStore readOnlyStore(readOnly, pc.profile, pc.files);
    localisation::OptionsDialog refused(pc.machine(), readOnlyStore, language);
    refused.show();
    refused.fileNameBox.setText("french.ini");
    refused.okButton.click();
    EXPECT_TRUE(refused.window.visible()) << "the user can try again or cancel";
    ASSERT_EQ(pc.desktop.messages.size(), 1u) << "and no 'next start' message";
    EXPECT_EQ(lastMessage().text, "The language choice could not be saved: Access is denied.");
    EXPECT_EQ(lastMessage().icon, platform::MessageIcon::Critical);
    EXPECT_FALSE(storedChoice());
}

TEST_F(OptionsDialogTest, Cancel_AfterBrowsingStoresNothing) {
    dialog.show();
    browseTo("C:\\Vantrel\\lang\\French.ini");
    dialog.cancelButton.click();
    EXPECT_FALSE(storedChoice());
    EXPECT_FALSE(dialog.window.visible());
}

TEST_F(OptionsDialogTest, WebAddress_GoesToTheDefaultHandlerAndAFailureIsReported) {
    dialog.show();
    dialog.webAddressLink.click();
    EXPECT_TRUE(pc.desktop.messages.empty());
    pc.processes.addressOutcome = platform::kFileNotFound;
    dialog.webAddressLink.click();
    EXPECT_EQ(pc.processes.addresses, std::vector<std::string>(2, product::kProductWebAddress));
    EXPECT_EQ(pc.desktop.messages.size(), 1u);
    EXPECT_EQ(lastMessage().text, std::string("Cannot open\r ") + product::kProductWebAddress);
    EXPECT_EQ(lastMessage().title, "Notice");
    EXPECT_EQ(lastMessage().icon, platform::MessageIcon::Information);
}
