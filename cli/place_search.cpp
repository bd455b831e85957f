#include "cli/place_search.h"

#include <cstdint>

namespace tevorin::cli {

namespace {

// Base letters of U+00C0 to U+017F (Latin-1 Supplement letters and Latin Extended-A); the signs
// × and ÷ among them fold to nothing.
constexpr const char* kLatinBase[] = {
    "a", "a", "a",  "a",  "a", "a", "ae", "c", "e", "e", "e", "e", "i", "i", "i",  "i",   // U+00C0
    "d", "n", "o",  "o",  "o", "o", "o",  "",  "o", "u", "u", "u", "u", "y", "th", "ss",  // U+00D0
    "a", "a", "a",  "a",  "a", "a", "ae", "c", "e", "e", "e", "e", "i", "i", "i",  "i",   // U+00E0
    "d", "n", "o",  "o",  "o", "o", "o",  "",  "o", "u", "u", "u", "u", "y", "th", "y",   // U+00F0
    "a", "a", "a",  "a",  "a", "a", "c",  "c", "c", "c", "c", "c", "c", "c", "d",  "d",   // U+0100
    "d", "d", "e",  "e",  "e", "e", "e",  "e", "e", "e", "e", "e", "g", "g", "g",  "g",   // U+0110
    "g", "g", "g",  "g",  "h", "h", "h",  "h", "i", "i", "i", "i", "i", "i", "i",  "i",   // U+0120
    "i", "i", "ij", "ij", "j", "j", "k",  "k", "k", "l", "l", "l", "l", "l", "l",  "l",   // U+0130
    "l", "l", "l",  "n",  "n", "n", "n",  "n", "n", "n", "n", "n", "o", "o", "o",  "o",   // U+0140
    "o", "o", "oe", "oe", "r", "r", "r",  "r", "r", "r", "s", "s", "s", "s", "s",  "s",   // U+0150
    "s", "s", "t",  "t",  "t", "t", "t",  "t", "u", "u", "u", "u", "u", "u", "u",  "u",   // U+0160
    "u", "u", "u",  "u",  "w", "w", "y",  "y", "y", "z", "z", "z", "z", "z", "z",  "s",   // U+0170
};
constexpr char32_t kLatinFirst = 0xC0;
constexpr char32_t kLatinEnd = kLatinFirst + std::size(kLatinBase);

// One character of text: its code point, and how many bytes it took. A byte that does not start a
// well-formed UTF-8 sequence is a Latin-1 character of its own.
struct Character {
  char32_t codePoint;
  std::size_t length;
};

Character nextCharacter(std::string_view text) {
  const auto byte = [&](std::size_t i) { return static_cast<uint8_t>(text[i]); };
  const uint8_t lead = byte(0);
  std::size_t length = 1;
  char32_t codePoint = lead;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
    codePoint = lead & 0x1F;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    codePoint = lead & 0x0F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    codePoint = lead & 0x07;
  } else {
    return {lead, 1};
  }
  if (text.size() < length) return {lead, 1};
  for (std::size_t i = 1; i < length; ++i) {
    if ((byte(i) & 0xC0) != 0x80) return {lead, 1};
    codePoint = codePoint << 6 | (byte(i) & 0x3F);
  }
  // Overlong forms and surrogates are no characters of UTF-8.
  const bool overlong = (length == 3 && codePoint < 0x800) || (length == 4 && codePoint < 0x10000);
  if (overlong || (codePoint >= 0xD800 && codePoint <= 0xDFFF) || codePoint > 0x10FFFF)
    return {lead, 1};
  return {codePoint, length};
}

// The folded form of one character, or nothing when it stays as written.
const char* folded(char32_t c) {
  if (c >= kLatinFirst && c < kLatinEnd) return kLatinBase[c - kLatinFirst];
  switch (c) {
    case 0x0218:  // Ș, ș, Ț, ț: Romanian letters with a comma below
    case 0x0219:
      return "s";
    case 0x021A:
    case 0x021B:
      return "t";
    case 0x00B4:  // acute accent, modifier apostrophe, single quotation marks
    case 0x02BC:
    case 0x2018:
    case 0x2019:
      return "'";
    default:
      return nullptr;
  }
}

}  // namespace

std::string searchKey(std::string_view text) {
  std::string key;
  key.reserve(text.size());
  while (!text.empty()) {
    const Character c = nextCharacter(text);
    if (c.codePoint < 0x80) {
      const char ascii = static_cast<char>(c.codePoint);
      key += ascii >= 'A' && ascii <= 'Z' ? static_cast<char>(ascii - 'A' + 'a') : ascii;
    } else if (const char* base = folded(c.codePoint)) {
      key += base;
    } else {
      key += text.substr(0, c.length);
    }
    text.remove_prefix(c.length);
  }
  return key;
}

std::vector<int> matchingPlaces(const std::vector<std::string>& names, std::string_view text) {
  const std::string wanted = searchKey(text);
  std::vector<int> found;
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (searchKey(names[i]).find(wanted) != std::string::npos) found.push_back(static_cast<int>(i));
  }
  return found;
}

}  // namespace tevorin::cli
