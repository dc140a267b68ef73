// The store on a 64-bit machine from either build: the program's own keys and
// the keys Windows shares are one key for both builds; other machine software
// keys belong to the build that wrote them.
#include "platform/registry_key.h"
#include "store/store_fixture.h"

namespace {

using platform::View;

struct StorePlace {
    const char* root;
    const char* path;  // "*" stands for this run's own name
    bool oneKeyForBothBuilds;
};

constexpr StorePlace kStorePlaces[] = {
    {"HKLM", "software\\morvalen\\*", true},
    {"HKCU", "software\\morvalen\\*", true},
    {"HKLM", "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\*.exe", true},
    {"HKLM", "Software\\*", false},
};

class StoreViewsTest : public StoreTest, public ::testing::WithParamInterface<platform::RegistryViews> {};

TEST_P(StoreViewsTest, OwnAndSharedKeysAreTheSixtyFourBitKeysForEitherBuild) {
    if (!tm->setRegistryViews(GetParam()) && registry.views().processIs64Bit != GetParam().processIs64Bit)
        GTEST_SKIP() << "the real registry is another kind of machine";
    const platform::RegistryViews views = registry.views();
    const std::string own = "VantrelStore" + key.substr(key.rfind('\\') + 1);
    for (const StorePlace& place : kStorePlaces) {
        std::string path = place.path;
        path.replace(path.find('*'), 1, own);
        SCOPED_TRACE(path);
        const platform::Key root = store.resolveRoot(place.root);
        ASSERT_EQ(store.writeValue(place.root, path, "who", "S", std::string("store")), 0);
        store::Value read;
        EXPECT_EQ(store.readValue(place.root, path, "who", "S", std::string(), read), 0);
        EXPECT_EQ(std::get<std::string>(read), "store");
        platform::RegValue seen;
        const bool inSixtyFourBitKey =
            platform::readValue(registry, root, path, View::Bits64, "who", seen) == platform::kSuccess;
        EXPECT_EQ(inSixtyFourBitKey, place.oneKeyForBothBuilds || views.ownView() != View::Bits32);
        for (View view : {View::Bits32, View::Bits64})
            EXPECT_EQ(platform::deleteKeyTree(registry, root, path, view), platform::kSuccess);
    }
}

INSTANTIATE_TEST_SUITE_P(Builds, StoreViewsTest,
                         ::testing::Values(platform::RegistryViews{true, true}, platform::RegistryViews{true, false}),
                         [](const auto& info) { return std::string(info.param.processIs64Bit ? "From64" : "From32"); });

}  // namespace
