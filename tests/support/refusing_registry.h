#pragma once
// A registry as a user without write rights to HKEY_LOCAL_MACHINE meets it:
// opening or creating a machine key with any right beyond reading is refused
// with 5, as Windows refuses it; everything else goes to the real registry.
#include "platform/registry.h"

namespace testing_support {

class ReadOnlyMachineRegistry : public platform::Registry {
public:
    explicit ReadOnlyMachineRegistry(platform::Registry& inner) : inner_(inner) {}
    platform::Status openKey(platform::Key parent, const std::string& subKey, std::uint32_t access,
                             platform::Key& result) override {
        if (refused(parent, access)) return kAccessDenied;
        return inner_.openKey(parent, subKey, access, result);
    }
    platform::Status createKey(platform::Key parent, const std::string& subKey, std::uint32_t access,
                               platform::Key& result, std::uint32_t* disposition = nullptr) override {
        if (parent == platform::kHkeyLocalMachine) return kAccessDenied;
        return inner_.createKey(parent, subKey, access, result, disposition);
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
        if (key == platform::kHkeyLocalMachine) return kAccessDenied;
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
        if (key == platform::kHkeyLocalMachine) return kAccessDenied;
        return inner_.deleteKeyInView(key, subKey, viewFlags);
    }
    platform::RegistryViews views() const override { return inner_.views(); }

private:
    static constexpr platform::Status kAccessDenied = 5;
    static bool refused(platform::Key parent, std::uint32_t access) {
        return parent == platform::kHkeyLocalMachine && (access & ~(platform::kKeyRead | platform::kKeyWow64Res)) != 0;
    }
    platform::Registry& inner_;
};

}  // namespace testing_support
