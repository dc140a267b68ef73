#pragma once
// The program's version numbers and the addresses the about box and the
// options dialog offer.
namespace product {

inline constexpr int kVersionMajor = 1;
inline constexpr int kVersionMinor = 0;
inline constexpr int kVersionRevision = 0;

inline constexpr const char* kProductWebAddress = "http://www.example.org/vantrel";
inline constexpr const char* kSupportMailAddress = "support@example.org";

}  // namespace product
