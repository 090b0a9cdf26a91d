#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace trellauto {

inline constexpr std::size_t kMaxIgnoreNames = 200;

// Splits an already lower-cased Ignore text into names. Every name must be followed by
// a semicolon; text after the last semicolon is no name. Names keep their blanks, an
// empty name (";;") stays in the list but matches no control, and only the first
// kMaxIgnoreNames names count.
std::vector<std::string> splitIgnoreNames(std::string_view lowerIgnore);

// True when `lowerName` equals one of `names` exactly. An empty name never matches,
// so an unnamed control is never ignored.
bool isIgnoredName(const std::vector<std::string>& names, std::string_view lowerName);

} // namespace trellauto
