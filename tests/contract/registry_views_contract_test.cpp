// Registry views as a 64-bit Windows documents them ("Registry Keys Affected
// by WOW64"): one table of places and what each view sees there, checked on
// the substitute playing each kind of machine and process, and on the real
// registry as whatever this build and machine are.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "platform/registry_key.h"
#include "support/test_machine.h"

namespace {

using namespace platform;

enum class Seen { Shared, Redirected };

struct Place {
    const char* label;
    Key root;
    std::string path;  // "*" stands for this run's own name
    Seen windows;
    // Where the 32-bit view keeps a redirected key, as the 64-bit view names it.
    Key homeRoot = 0;
    std::string home;
    std::optional<Seen> wine = {};  // what Wine does where it differs
    bool triedUnderWine = true;
};

const std::vector<Place>& places() {
    static const std::vector<Place> kPlaces = {
        {"machine software", kHkeyLocalMachine, "Software\\*", Seen::Redirected, kHkeyLocalMachine,
         "Software\\WOW6432Node\\*"},
        {"uninstall entry", kHkeyLocalMachine, "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\*",
         Seen::Redirected, kHkeyLocalMachine,
         "Software\\WOW6432Node\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\*"},
        {"app path", kHkeyLocalMachine, "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\*.exe",
         Seen::Shared, 0, ""},
        {"machine policies", kHkeyLocalMachine, "Software\\Policies\\*", Seen::Shared, 0, ""},
        {"machine class id", kHkeyLocalMachine, "Software\\Classes\\CLSID\\*", Seen::Redirected, kHkeyLocalMachine,
         "Software\\Classes\\WOW6432Node\\CLSID\\*"},
        {"machine interface", kHkeyLocalMachine, "Software\\Classes\\Interface\\*", Seen::Redirected,
         kHkeyLocalMachine, "Software\\Classes\\WOW6432Node\\Interface\\*"},
        // Wine's 32-bit view of the machine's classes is a key of its own, holding only a few of them.
        {"machine file type", kHkeyLocalMachine, "Software\\Classes\\.*", Seen::Shared, 0, "", Seen::Redirected},
        {"classes root class id", kHkeyClassesRoot, "CLSID\\*", Seen::Redirected, kHkeyLocalMachine,
         "Software\\Classes\\WOW6432Node\\CLSID\\*"},
        {"classes root file type", kHkeyClassesRoot, ".*", Seen::Shared, 0, "", Seen::Redirected},
        {"user software", kHkeyCurrentUser, "Software\\*", Seen::Shared, 0, ""},
        {"user file type", kHkeyCurrentUser, "Software\\Classes\\.*", Seen::Shared, 0, ""},
        // Under Wine a WOW6432Node made under HKCU redirects the key above it for
        // good (see the notes on Wine), so this place is left to the substitute.
        {"user class id", kHkeyCurrentUser, "Software\\Classes\\CLSID\\*", Seen::Redirected, kHkeyCurrentUser,
         "Software\\Classes\\WOW6432Node\\CLSID\\*", {}, false},
    };
    return kPlaces;
}

struct MachineKind {
    const char* label;
    RegistryViews views;
};

const MachineKind kMachineKinds[] = {
    {"Machine32", {false, false}}, {"Machine64Process64", {true, true}}, {"Machine64Process32", {true, false}}};

class RegistryViewsContract : public ::testing::TestWithParam<MachineKind> {
protected:
    void SetUp() override {
        tm_ = testing_support::makeTestMachine();
        reg_ = &tm_->machine().registry;
        if (!tm_->setRegistryViews(GetParam().views)) {
            const RegistryViews real = reg_->views();
            if (real.machineIs64Bit != GetParam().views.machineIs64Bit ||
                (real.machineIs64Bit && real.processIs64Bit != GetParam().views.processIs64Bit))
                GTEST_SKIP() << "the real registry is another kind of machine";
        }
        const std::string& scratch = tm_->scratchKey();
        name_ = "VantrelViews" + scratch.substr(scratch.rfind('\\') + 1);
    }

    std::string named(const std::string& pattern) const {
        std::string path = pattern;
        path.replace(path.find('*'), 1, name_);
        return path;
    }
    // The "who" value at `path` in `view`: "" when the key is missing there.
    std::string who(Key root, const std::string& path, View view) {
        RegValue value;
        if (readValue(*reg_, root, path, view, "who", value) != kSuccess) return "";
        return textOf(value).value_or("?");
    }
    // What a place looks like on this machine: Windows' rule, or Wine's where it differs.
    Seen expected(const Place& place) const {
        if (!reg_->views().hasSecondView()) return Seen::Shared;
        return tm_->isWine() && place.wine ? *place.wine : place.windows;
    }

    std::unique_ptr<testing_support::TestMachine> tm_;
    Registry* reg_ = nullptr;
    std::string name_;
};

TEST_P(RegistryViewsContract, EachViewSeesItsOwnKeyOrTheSharedOne) {
    const RegistryViews views = reg_->views();
    for (const Place& place : places()) {
        if (tm_->isWine() && !place.triedUnderWine) continue;
        SCOPED_TRACE(place.label);
        const std::string path = named(place.path);
        ASSERT_EQ(writeValue(*reg_, place.root, path, View::Bits64, "who", textValue("64")), kSuccess);
        ASSERT_EQ(writeValue(*reg_, place.root, path, View::Bits32, "who", textValue("32")), kSuccess);
        const Seen seen = expected(place);
        const char* note = tm_->isWine() && place.wine ? "Wine deviation: Windows sees this place otherwise" : "";
        if (seen == Seen::Shared) {
            EXPECT_EQ(who(place.root, path, View::Bits64), "32") << "one key: the later write wins. " << note;
            EXPECT_EQ(who(place.root, path, View::Bits32), "32") << note;
        } else {
            EXPECT_EQ(who(place.root, path, View::Bits64), "64") << note;
            EXPECT_EQ(who(place.root, path, View::Bits32), "32") << note;
            if (!place.home.empty()) {
                EXPECT_EQ(who(place.homeRoot, named(place.home), View::Bits64), "32") << note;
            }
        }
        EXPECT_EQ(who(place.root, path, View::Native), who(place.root, path, views.ownView()));

        // A tree delete in one view leaves the other view's own key alone.
        EXPECT_EQ(deleteKeyTree(*reg_, place.root, path, View::Bits32), kSuccess);
        EXPECT_EQ(who(place.root, path, View::Bits32), "");
        EXPECT_EQ(who(place.root, path, View::Bits64), seen == Seen::Shared ? "" : "64") << note;
        EXPECT_EQ(deleteKeyTree(*reg_, place.root, path, View::Bits64), kSuccess);
        EXPECT_FALSE(keyExists(*reg_, place.root, path, View::Bits64));
    }
}

TEST_P(RegistryViewsContract, BothViewFlagsAtOnceAreRefusedWhereThereAreTwoViews) {
    Key key = 0;
    const Status status =
        reg_->openKey(kHkeyLocalMachine, "Software", kKeyRead | kKeyWow64_32Key | kKeyWow64_64Key, key);
    if (key) reg_->closeKey(key);
    if (tm_->isWine()) {
        EXPECT_EQ(status, kSuccess) << "Wine deviation: Wine takes both flags and opens the key";
    } else {
        EXPECT_EQ(status, reg_->views().hasSecondView() ? kInvalidParameter : kSuccess);
    }
}

INSTANTIATE_TEST_SUITE_P(Kinds, RegistryViewsContract, ::testing::ValuesIn(kMachineKinds),
                         [](const auto& info) { return std::string(info.param.label); });

}  // namespace
