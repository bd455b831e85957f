#pragma once

#include <algorithm>
#include <string_view>

namespace tevorin {

// Spaces and tabs: what surrounds a number or a settings value without belonging to it.
constexpr bool isBlank(char c) {
  return c == ' ' || c == '\t';
}

constexpr std::string_view trimBlanks(std::string_view text) {
  while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
  return text;
}

// ASCII letters compared without regard to case, as settings names and file names are.
constexpr bool equalIgnoringCase(std::string_view a, std::string_view b) {
  const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
  return std::ranges::equal(a, b, [&](char x, char y) { return lower(x) == lower(y); });
}

}  // namespace tevorin
