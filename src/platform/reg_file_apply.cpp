#include "platform/reg_file.h"

#include "platform/reg_file_parser.h"
#include "platform/registry_key.h"

namespace platform {
namespace {

// A file names keys as the 64-bit registry editor shows them, a 32-bit
// program's keys under their WOW6432Node: it is applied in that view, from
// either build. A machine with one view ignores the flag.
constexpr View kFileView = View::Bits64;

bool apply(Registry& registry, const std::vector<RegFileOperation>& operations, RegFileError& error) {
    RegKey current;
    auto failed = [&](const RegFileOperation& op, const std::string& what, Status status) {
        current.close();
        error = RegFileError{op.line, 1, what + " (error " + std::to_string(status) + ")"};
        return false;
    };
    for (const auto& op : operations) {
        switch (op.kind) {
            case RegFileOpKind::OpenKey:
                if (auto status = RegKey::create(registry, op.root, op.path, kFileView, kKeyAllAccess, current))
                    return failed(op, "cannot create the key", status);
                break;
            case RegFileOpKind::DeleteTree:
                // Values listed under a deleted key are ignored, as regedit does.
                current.close();
                deleteKeyTree(registry, op.root, op.path, kFileView);
                break;
            case RegFileOpKind::SetValue:
                if (!current.isOpen()) break;
                if (auto status = current.write(op.name, {op.type, std::string(op.data.begin(), op.data.end())}))
                    return failed(op, "cannot write the value", status);
                break;
            case RegFileOpKind::DeleteValue:
                if (!current.isOpen()) break;
                if (auto status = current.deleteValue(op.name)) return failed(op, "cannot delete the value", status);
                break;
        }
    }
    return true;
}

}  // namespace

bool loadRegFile(Registry& registry, std::string_view text, RegFileError& error) {
    std::vector<RegFileOperation> operations;
    return parseRegFile(text, operations, error) && apply(registry, operations, error);
}

bool checkRegFile(std::string_view text, RegFileError& error) {
    std::vector<RegFileOperation> operations;
    return parseRegFile(text, operations, error);
}

}  // namespace platform
