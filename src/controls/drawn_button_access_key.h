#pragma once
#include <string>

namespace controls {

// The access key a caption's "&" marks, lower-cased; "" when there is none.
// "&&" is a literal ampersand, so the key then follows a later single "&".
std::string accessKeyOf(const std::string& caption);

}  // namespace controls
