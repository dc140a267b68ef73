#pragma once
// One machine for a test: the substitutes natively, the real services under
// Wine. Suites written against this run unchanged on both sides.
#include <memory>
#include <string>

#include "platform/machine.h"

namespace testing_support {

class TestMachine {
public:
    virtual ~TestMachine() = default;
    virtual platform::Machine& machine() = 0;
    // An empty folder (Windows path, no trailing backslash) removed afterwards.
    virtual const std::string& scratchFolder() const = 0;
    // A key path under HKEY_CURRENT_USER that is empty on entry and removed afterwards.
    virtual const std::string& scratchKey() const = 0;
    // True when the real services run under Wine rather than on Windows.
    virtual bool isWine() const = 0;
    // True when the services are the portable substitutes.
    virtual bool isSubstitute() const = 0;
    // Sets hidden/system the way the platform stores them, bypassing the
    // service under test, so attribute effects can be checked independently.
    virtual void writeHostFile(const std::string& windowsPath, const std::string& bytes) = 0;
    // Makes the substitute registry play a 32-bit machine or a 64-bit one seen
    // from either process kind; false on the real registry, whose views are fixed.
    virtual bool setRegistryViews(const platform::RegistryViews& views) = 0;
};

std::unique_ptr<TestMachine> makeTestMachine();

// Deletes a key and everything under it (RegDeleteKey refuses keys with subkeys).
void deleteTree(platform::Registry& registry, platform::Key root, const std::string& path);

}  // namespace testing_support
