#pragma once
// A fresh, empty folder under the system's temporary folder, for tests that
// need a drive or a program folder on the host disk.
#include <filesystem>
#include <stdexcept>
#include <string>

#include <stdlib.h>

namespace testing_support {

inline std::filesystem::path makeTempFolder(const std::string& prefix) {
    std::string pattern = (std::filesystem::temp_directory_path() / (prefix + "-XXXXXX")).string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot make a temporary folder");
    return pattern;
}

}  // namespace testing_support
