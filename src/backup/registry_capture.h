#pragma once
// The registry places a backup set saves, captured as registry-editor text that
// puts them back: a key whole, or one value, each read in its view and named as
// the 64-bit registry editor names it, so the file goes back to the same place
// from either build.
#include <string>

#include "platform/reg_file.h"
#include "platform/registry_key.h"

namespace backup {

enum class Captured { Existed, Absent, Unreadable };

// The name registry.reg and contents.txt give the key at `path` in `view`.
std::string placeName(platform::Registry& registry, platform::Key root, const std::string& path,
                      platform::View view);
// Appends the sections that bring a key back to what it holds now: its removal,
// then the key with every value and subkey; the removal alone when it does not exist.
// Appends nothing when any part of it cannot be read, or `path` names a root.
Captured appendKeyRestore(platform::Registry& registry, platform::Key root, const std::string& path,
                          platform::View view, platform::RegFileFormat format, std::string& out);
// The same for one value ("" is the default value): its data as it is now, or
// its removal when it does not exist (with its key's, when the key does not exist).
Captured appendValueRestore(platform::Registry& registry, platform::Key root, const std::string& path,
                            platform::View view, const std::string& name, platform::RegFileFormat format,
                            std::string& out);
// The same from a key the caller holds open for reading values; `keyName` is its placeName.
Captured appendValueRestoreFromKey(const platform::RegKey& key, const std::string& keyName, const std::string& name,
                                   platform::RegFileFormat format, std::string& out);

}  // namespace backup
