#pragma once
// A 64-bit machine's two registry views over the one-view substitute, for the
// startup tests until the substitute models views itself: a 32-bit view of
// HKLM\Software is its WOW6432Node branch, except the keys both views share
// (Classes, the Policies key); HKCU is one key in both views.
#include <algorithm>
#include <cctype>
#include <string>

#include "platform/registry.h"

namespace startup_test {

class Wow64Registry : public platform::Registry {
public:
    Wow64Registry(platform::Registry& inner, bool processIs64Bit) : inner_(inner), process64_(processIs64Bit) {}

    platform::Status openKey(platform::Key parent, const std::string& subKey, std::uint32_t access,
                             platform::Key& result) override {
        return inner_.openKey(parent, physical(parent, subKey, access), access & ~platform::kKeyWow64Res, result);
    }
    platform::Status createKey(platform::Key parent, const std::string& subKey, std::uint32_t access,
                               platform::Key& result, std::uint32_t* disposition) override {
        return inner_.createKey(parent, physical(parent, subKey, access), access & ~platform::kKeyWow64Res, result,
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
        return inner_.deleteKey(key, physical(key, subKey, 0));
    }
    platform::Status enumKey(platform::Key key, std::uint32_t index, char* name, std::uint32_t nameSize) override {
        return inner_.enumKey(key, index, name, nameSize);
    }
    platform::Status enumValue(platform::Key key, std::uint32_t index, char* name, std::uint32_t* nameLength,
                               std::uint32_t* type, std::uint8_t* data, std::uint32_t* dataSize) override {
        return inner_.enumValue(key, index, name, nameLength, type, data, dataSize);
    }
    platform::Status closeKey(platform::Key key) override { return inner_.closeKey(key); }
    platform::Status deleteKeyInView(platform::Key key, const std::string& subKey, std::uint32_t flags) override {
        return inner_.deleteKey(key, physical(key, subKey, flags));
    }
    platform::RegistryViews views() const override { return {true, process64_}; }

private:
    static bool startsWith(const std::string& path, const std::string& prefix) {
        return path.size() >= prefix.size() &&
               std::equal(prefix.begin(), prefix.end(), path.begin(), [](char a, char b) {
                   return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
               });
    }
    std::string physical(platform::Key parent, const std::string& path, std::uint32_t access) const {
        const bool view32 = (access & platform::kKeyWow64_32Key) || (!(access & platform::kKeyWow64_64Key) && !process64_);
        if (parent != platform::kHkeyLocalMachine || !view32 || !startsWith(path, "Software\\")) return path;
        const std::string rest = path.substr(9);
        for (const char* shared : {"Classes", "WOW6432Node", "Microsoft\\Windows\\CurrentVersion\\Policies"})
            if (startsWith(rest, shared)) return path;
        return "Software\\WOW6432Node\\" + rest;
    }

    platform::Registry& inner_;
    bool process64_;
};

}  // namespace startup_test
