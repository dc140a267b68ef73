#include "platform/status_text.h"

namespace platform {

std::string describeStatus(Status status) {
    const char* words = nullptr;
    switch (status) {
    case kFileNotFound: words = "the file was not found"; break;
    case kPathNotFound: words = "the folder or drive was not found"; break;
    case kAccessDenied: words = "access is denied"; break;
    case kInvalidData: words = "the data is not valid"; break;
    case kInvalidParameter: words = "a parameter is not valid"; break;
    case kInvalidName: words = "the name is not valid"; break;
    case kAlreadyExists: words = "it already exists"; break;
    case kDirNotEmpty: words = "the folder is not empty"; break;
    case 112: words = "there is not enough space on the disk"; break;
    default: break;
    }
    const std::string code = "error " + std::to_string(status);
    return words ? std::string(words) + " (" + code + ")" : code;
}

}  // namespace platform
