#include "localisation/form3.h"

#include <gtest/gtest.h>

#include <fstream>
#include <optional>
#include <stdexcept>

#include <stdlib.h>

#include "platform/substitute_machine.h"
#include "product/version.h"
#include "support/temp_folder.h"

namespace {

class Form3Test : public ::testing::Test {
protected:
    Form3Test()
        : root(testing_support::makeTempFolder("vantrel-form3")),
          pc(root, "C:\\Vantrel"),
          store(pc.registry, pc.profile, pc.files),
          language(store, pc.files, [this] { return languageInUse; }), dialog(pc.machine(), store, language) {
        std::filesystem::create_directories(root / "Vantrel" / "lang");
        std::ofstream(root / "Vantrel" / "lang" / "test.ini", std::ios::binary)
            << "[001]\r\n052=Okay\r\n065=Abort\r\n068=Language\r\n069=File:\r\n070=Settings\r\n081=Web:\r\n"
               "087=Restart to apply\r\n094=Cannot open\r\n101=Notice\r\n";
        std::ofstream(root / "Vantrel" / "lang" / "french.ini", std::ios::binary) << "[001]\r\n087=Redemarrez\r\n";
    }
    ~Form3Test() override { std::filesystem::remove_all(root); }

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
        dialog.Command8.click();
    }
    const platform::ScriptedDesktop::Message& lastMessage() {
        if (pc.desktop.messages.empty()) throw std::runtime_error("no message shown");
        return pc.desktop.messages.back();
    }

    std::filesystem::path root;
    platform::SubstituteMachine pc;
    store::SettingsStore store;
    std::string languageInUse = "test.ini";  // the main window's Text16
    localisation::Language language;
    localisation::Form3 dialog;
};

}  // namespace

TEST_F(Form3Test, Load_ShowsTheStoredChoiceOrEnglishAndTheTextsOfTheLanguageInUse) {
    dialog.Show();
    EXPECT_EQ(dialog.Text1.text(), "english.ini");
    EXPECT_EQ(dialog.window.title(), "Settings");
    EXPECT_EQ(dialog.cButton5.caption(), "Okay");
    EXPECT_EQ(dialog.drawnButton1.caption(), "Abort");
    EXPECT_EQ(dialog.Frame1.caption(), "Language");
    EXPECT_EQ(dialog.Label1.caption(), "File:");
    EXPECT_EQ(dialog.Label2.caption(), "Web:");
    EXPECT_EQ(dialog.window.top(), (pc.desktop.screenHeight - dialog.window.height()) / 2 - 1000);
    EXPECT_EQ(dialog.window.left(), (pc.desktop.screenWidth - dialog.window.width()) / 2);

    store.SaveRegString(platform::kHkeyLocalMachine, "software\\morvalen\\brevisk", "language", "French.ini");
    dialog.Show();
    EXPECT_EQ(dialog.Text1.text(), "english.ini") << "an open dialog is not loaded again";
    dialog.drawnButton1.click();
    dialog.Show();
    EXPECT_EQ(dialog.Text1.text(), "French.ini");
}

TEST_F(Form3Test, Browse_KeepsTheNameOfAnyFileEndingInIni) {
    dialog.Show();
    browseTo("C:\\x\\French.INI");
    ASSERT_EQ(pc.desktop.fileRequests.size(), 1u);
    EXPECT_EQ(pc.desktop.fileRequests[0].initialFolder, "C:\\Vantrel\\lang");
    EXPECT_EQ(pc.desktop.fileRequests[0].initialName, "*.ini");
    EXPECT_EQ(pc.desktop.fileRequests[0].filter, "*.ini");
    EXPECT_EQ(dialog.Text1.text(), "French.INI");
    browseTo(" C:\\a\\b\\frenchini ");
    EXPECT_EQ(dialog.Text1.text(), "frenchini");
    browseTo(std::nullopt);
    EXPECT_EQ(dialog.Text1.text(), "frenchini") << "cancelling leaves the box";
    EXPECT_TRUE(pc.desktop.messages.empty());
}

TEST_F(Form3Test, Browse_RefusesOtherFilesAndEmptiesTheBox) {
    dialog.Show();
    browseTo("C:\\x\\notes.txt");
    EXPECT_EQ(dialog.Text1.text(), "");
    EXPECT_EQ(pc.desktop.messages.size(), 1u);
    EXPECT_EQ(lastMessage().text, "Please Only ini files");
    EXPECT_EQ(lastMessage().icon, platform::MessageIcon::None);
    EXPECT_EQ(lastMessage().buttons, platform::MessageButtons::Ok);
    EXPECT_EQ(lastMessage().title, "") << "the application's title";
}

TEST_F(Form3Test, OK_StoresTheNameAndConfirmsInTheLanguageInUse_NothingWhenTheBoxIsEmpty) {
    dialog.Show();
    dialog.Text1.setText("   ");
    dialog.cButton5.click();
    EXPECT_TRUE(dialog.window.visible());
    EXPECT_TRUE(pc.desktop.messages.empty());
    EXPECT_FALSE(storedChoice());

    dialog.Text1.setText(" french.ini ");
    dialog.cButton5.click();
    EXPECT_EQ(storedChoice(), "french.ini");
    EXPECT_EQ(pc.desktop.messages.size(), 1u);
    EXPECT_EQ(lastMessage().text, "Restart to apply");
    EXPECT_EQ(lastMessage().icon, platform::MessageIcon::Information);
    EXPECT_EQ(lastMessage().buttons, platform::MessageButtons::Ok);
    EXPECT_EQ(lastMessage().title, "") << "the application's title";
    EXPECT_FALSE(dialog.window.visible());
}

TEST_F(Form3Test, Cancel_AfterBrowsingStoresNothing) {
    dialog.Show();
    browseTo("C:\\x\\French.ini");
    dialog.drawnButton1.click();
    EXPECT_FALSE(storedChoice());
    EXPECT_FALSE(dialog.window.visible());
}

TEST_F(Form3Test, WebAddress_GoesToTheDefaultHandlerAndAFailureIsReported) {
    dialog.Show();
    dialog.Label3.click();
    EXPECT_TRUE(pc.desktop.messages.empty());
    pc.processes.addressOutcome = platform::kFileNotFound;
    dialog.Label3.click();
    EXPECT_EQ(pc.processes.addresses, std::vector<std::string>(2, product::kProductWebAddress));
    EXPECT_EQ(pc.desktop.messages.size(), 1u);
    EXPECT_EQ(lastMessage().text, std::string("Cannot open\r ") + product::kProductWebAddress);
    EXPECT_EQ(lastMessage().title, "Notice");
    EXPECT_EQ(lastMessage().icon, platform::MessageIcon::Information);
}
