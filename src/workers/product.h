#pragma once
// The product's web address (no trailing slash) and the target shown on a
// first start.

inline constexpr const char* kProductWebAddress = "https://www.brimvale.example";
inline constexpr const char* kDefaultTargetHost = "localhost";
