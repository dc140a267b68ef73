#pragma once
// A 64-bit Windows seen from a 64-bit process, over a one-view substitute: the
// 32-bit view of HKLM\Software is its WOW6432Node key, as Windows documents it.
// Stands in until the substitute registry models views itself.
#include <cctype>
#include <string>

#include "platform/registry.h"
#include "platform/registry_view.h"

namespace uninstall_test {

class Wow64Registry : public platform::Registry {
public:
    explicit Wow64Registry(platform::Registry& inner) : inner_(inner) {}

    platform::Status openKey(platform::Key parent, const std::string& subKey, std::uint32_t access,
                             platform::Key& result) override {
        return inner_.openKey(parent, redirected(parent, subKey, access), access & ~platform::kKeyWow64Res, result);
    }
    platform::Status createKey(platform::Key parent, const std::string& subKey, std::uint32_t access,
                               platform::Key& result, std::uint32_t* disposition) override {
        return inner_.createKey(parent, redirected(parent, subKey, access), access & ~platform::kKeyWow64Res, result,
                                disposition);
    }
    platform::Status queryValue(platform::Key key, const std::string& name, std::uint32_t* type, std::uint8_t* data,
                                std::uint32_t* size) override {
        return inner_.queryValue(key, name, type, data, size);
    }
    platform::Status setValue(platform::Key key, const std::string& name, std::uint32_t type,
                              const std::uint8_t* data, std::uint32_t size) override {
        return inner_.setValue(key, name, type, data, size);
    }
    platform::Status deleteValue(platform::Key key, const std::string& name) override {
        return inner_.deleteValue(key, name);
    }
    platform::Status deleteKey(platform::Key key, const std::string& subKey) override {
        return inner_.deleteKey(key, subKey);
    }
    platform::Status enumKey(platform::Key key, std::uint32_t index, char* name, std::uint32_t nameSize) override {
        return inner_.enumKey(key, index, name, nameSize);
    }
    platform::Status enumValue(platform::Key key, std::uint32_t index, char* name, std::uint32_t* nameLength,
                               std::uint32_t* type, std::uint8_t* data, std::uint32_t* dataSize) override {
        return inner_.enumValue(key, index, name, nameLength, type, data, dataSize);
    }
    platform::Status closeKey(platform::Key key) override { return inner_.closeKey(key); }
    platform::Status deleteKeyInView(platform::Key key, const std::string& subKey, std::uint32_t viewFlags) override {
        return inner_.deleteKeyInView(key, redirected(key, subKey, viewFlags), 0);
    }
    platform::RegistryViews views() const override { return {true, true}; }

private:
    static std::string redirected(platform::Key parent, const std::string& path, std::uint32_t access) {
        constexpr std::size_t kSoftware = 9;  // "software\"
        std::string lower = path;
        for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        if (parent != platform::kHkeyLocalMachine || !(access & platform::kKeyWow64_32Key) ||
            lower.rfind("software\\", 0) != 0 || lower.rfind("software\\wow6432node", 0) == 0)
            return path;
        return "Software\\WOW6432Node\\" + path.substr(kSoftware);
    }
    platform::Registry& inner_;
};

}  // namespace uninstall_test
