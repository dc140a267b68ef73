#include "backup/backup_fixture.h"

namespace backup_test {
namespace {

std::string pattern(std::size_t count) {
    std::string out(count, '\0');
    for (std::size_t i = 0; i < count; ++i) out[i] = static_cast<char>(i * 7 + 3);
    return out;
}

}  // namespace

void BackupTest::plantAwkwardTree(const std::string& tree) {
    const struct {
        const char* name;
        std::uint32_t type;
        std::string data;
    } values[] = {
        {"plain", kRegSz, std::string("text\0", 5)},
        {"quote \"and\" back\\slash = sign", kRegSz, std::string("C:\\Pro \"x\" =1\0", 14)},
        {"caf\xe9", kRegSz, std::string("na\xefve \xa3\0", 8)},
        {"", kRegSz, std::string("the default\0", 12)},
        {"expand", kRegExpandSz, std::string("%SystemRoot%\\x.dll\0", 19)},
        {"multi", kRegMultiSz, std::string("one\0two\0\0", 9)},
        {"none empty", kRegNone, ""},
        {"none data", kRegNone, "\x01\x02"},
        {"number", kRegDword, std::string("\x78\x56\x34\x12", 4)},
        {"wide", kRegQword, std::string("\x01\0\0\0\0\0\0\x80", 8)},
        {"custom type", 0x20, "abc"},
        {"binary 64 KB", kRegBinary, pattern(65536)},
        {"text without zero", kRegSz, "no end"},
    };
    for (const auto& v : values) put(tree, v.name, v.type, v.data);
    makeKey(tree + "\\Empty");
    for (int i = 0; i < 1000; ++i) {
        // Built by append: GCC 12 warns falsely about "literal" + std::to_string at -O2.
        std::string deep = tree, name = "v", data = "value ";
        deep += "\\A\\B\\C";
        deep += std::to_string(i % 3);
        name += std::to_string(i);
        data += std::to_string(i);
        data += '\0';
        put(deep, name, kRegSz, data);
    }
}

}  // namespace backup_test
