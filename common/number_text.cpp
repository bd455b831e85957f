#include "common/number_text.h"

#include <charconv>
#include <cmath>
#include <string>

#include "common/plain_text.h"

namespace tevorin {

namespace {

bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

// Skips a run of digits at pos; returns how many there were.
std::size_t skipDigits(std::string_view text, std::size_t& pos) {
  const std::size_t start = pos;
  while (pos < text.size() && isDigit(text[pos])) ++pos;
  return pos - start;
}

// Sign, digits with an optional "." and an optional exponent: the only number form accepted, so
// from_chars never sees "inf", "nan" or hexadecimal.
bool isDecimalNumber(std::string_view text) {
  std::size_t pos = 0;
  if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) ++pos;
  std::size_t digits = skipDigits(text, pos);
  if (pos < text.size() && text[pos] == '.') {
    ++pos;
    digits += skipDigits(text, pos);
  }
  if (digits == 0) return false;
  if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
    ++pos;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) ++pos;
    if (skipDigits(text, pos) == 0) return false;
  }
  return pos == text.size();
}

// from_chars takes no "+" sign.
std::string_view withoutPlus(std::string_view number) {
  if (!number.empty() && number.front() == '+') number.remove_prefix(1);
  return number;
}

}  // namespace

int32_t parseInteger(std::string_view text) {
  const std::string_view number = trimBlanks(text);
  const std::string_view unsignedPart =
      !number.empty() && (number.front() == '+' || number.front() == '-') ? number.substr(1)
                                                                          : number;
  int32_t value = 0;
  if (!unsignedPart.empty() && isDigit(unsignedPart.front())) {
    const std::string_view digits = withoutPlus(number);
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (error == std::errc() && end == digits.data() + digits.size()) return value;
  }
  throw ConversionError("'" + std::string(text) + "' is not a valid integer value");
}

double parseFloat(std::string_view text) {
  const std::string_view number = trimBlanks(text);
  if (isDecimalNumber(number)) {
    const std::string_view digits = withoutPlus(number);
    double value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (error == std::errc() && end == digits.data() + digits.size() && std::isfinite(value)) {
      return value;
    }
  }
  throw ConversionError("'" + std::string(text) + "' is not a valid floating point value");
}

std::string integerText(int64_t value) {
  char text[24];
  const auto end = std::to_chars(text, text + sizeof text, value).ptr;
  return std::string(text, end);
}

}  // namespace tevorin
