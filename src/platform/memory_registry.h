#pragma once
// The registry in memory, with Windows' rules: names case-insensitive but kept
// as written, enumeration by index (subkeys by upper-cased name, values in
// creation order), access rights checked per handle, NT's refusal to delete a
// key that has subkeys. It plays a 32-bit machine (one view, the view flags
// ignored) unless told it is a 64-bit one; then its keys are laid out as a
// 64-bit Windows lays them out and a 32-bit process's calls are redirected.
#include <memory>

#include "platform/registry.h"

namespace platform {

class MemoryRegistry : public Registry {
public:
    MemoryRegistry();
    ~MemoryRegistry() override;
    MemoryRegistry(const MemoryRegistry&) = delete;
    MemoryRegistry& operator=(const MemoryRegistry&) = delete;

    Status openKey(Key parent, const std::string& subKey, std::uint32_t access, Key& result) override;
    Status createKey(Key parent, const std::string& subKey, std::uint32_t access, Key& result,
                     std::uint32_t* disposition = nullptr) override;
    Status queryValue(Key key, const std::string& name, std::uint32_t* type, std::uint8_t* data,
                      std::uint32_t* size) override;
    Status setValue(Key key, const std::string& name, std::uint32_t type, const std::uint8_t* data,
                    std::uint32_t size) override;
    Status deleteValue(Key key, const std::string& name) override;
    Status deleteKey(Key key, const std::string& subKey) override;
    Status enumKey(Key key, std::uint32_t index, char* name, std::uint32_t nameSize) override;
    Status enumValue(Key key, std::uint32_t index, char* name, std::uint32_t* nameLength, std::uint32_t* type,
                     std::uint8_t* data, std::uint32_t* dataSize) override;
    Status closeKey(Key key) override;
    Status deleteKeyInView(Key key, const std::string& subKey, std::uint32_t viewFlags) override;
    RegistryViews views() const override;

    // Handles not yet closed; tests use it to catch leaks.
    std::size_t openHandleCount() const;
    // Which machine this is, and which process kind calls it.
    void setViews(const RegistryViews& views);
    // The rights the key's security lets this user have (all, unless told);
    // asking for more is refused with 5. The path is physical, as written.
    Status setGrantedRights(Key root, const std::string& path, std::uint32_t rights);

private:
    struct State;
    std::unique_ptr<State> state_;
};

}  // namespace platform
