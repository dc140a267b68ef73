#include <fstream>
#include <stdexcept>

#include <stdlib.h>

#include "platform/substitute_machine.h"
#include "support/test_machine.h"
#include "support/temp_folder.h"

namespace testing_support {
namespace {

class SubstituteTestMachine : public TestMachine {
public:
    SubstituteTestMachine()
        : root_(testing_support::makeTempFolder("vantrel-test")), substitute_(root_, "C:\\Program Files\\Vantrel") {
        std::filesystem::create_directories(root_ / "scratch");
        std::filesystem::create_directories(root_ / "Program Files" / "Vantrel");
        std::filesystem::create_directories(root_ / "WINDOWS");
    }
    ~SubstituteTestMachine() override {
        std::error_code ignored;
        // Read-only files are left writable by their folder, so removal works.
        std::filesystem::remove_all(root_, ignored);
    }

    platform::Machine& machine() override { return substitute_.machine(); }
    const std::string& scratchFolder() const override { return scratchFolder_; }
    const std::string& scratchKey() const override { return scratchKey_; }
    bool isWine() const override { return false; }
    bool isSubstitute() const override { return true; }
    void writeHostFile(const std::string& windowsPath, const std::string& bytes) override {
        auto host = substitute_.files.hostPath(windowsPath);
        if (!host) throw std::runtime_error("unmapped path " + windowsPath);
        std::ofstream(*host, std::ios::binary) << bytes;
    }
    bool setRegistryViews(const platform::RegistryViews& views) override {
        substitute_.registry.setViews(views);
        return true;
    }

private:
    std::filesystem::path root_;
    platform::SubstituteMachine substitute_;
    std::string scratchFolder_ = "C:\\scratch";
    std::string scratchKey_ = "Software\\VantrelTest";
};

}  // namespace

std::unique_ptr<TestMachine> makeTestMachine() { return std::make_unique<SubstituteTestMachine>(); }

}  // namespace testing_support
