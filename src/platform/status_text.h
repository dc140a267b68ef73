#pragma once
// A status code in words, for messages that must say why something failed.
#include <string>

#include "platform/status.h"

namespace platform {

// "access is denied (error 5)"; codes without words of their own read "error N".
std::string describeStatus(Status status);

}  // namespace platform
