#include "common/number_text.h"

#include <algorithm>
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

// For a decimal number that from_chars finds outside double: whether it is too small (nearer to 0
// than any double) rather than too large. Its first digit that is not 0 stands at 10^E, with
// E = digits before the point - 1 - zeros before that digit + exponent.
bool isTooSmall(std::string_view number) {
  std::size_t pos = number.find_first_not_of("+-");
  int64_t digitsBeforePoint = 0;
  int64_t leadingZeros = 0;
  bool beforePoint = true;
  bool nonZeroSeen = false;
  for (; pos < number.size() && (isDigit(number[pos]) || number[pos] == '.'); ++pos) {
    if (number[pos] == '.') {
      beforePoint = false;
      continue;
    }
    if (beforePoint) ++digitsBeforePoint;
    if (!nonZeroSeen && number[pos] == '0') ++leadingZeros;
    if (number[pos] != '0') nonZeroSeen = true;
  }
  int64_t exponent = 0;
  if (pos < number.size()) {
    const bool negative = number[++pos] == '-';
    if (number[pos] == '-' || number[pos] == '+') ++pos;
    // Held where the sum cannot overflow; far past any double either way.
    for (; pos < number.size(); ++pos)
      exponent = std::min<int64_t>(exponent * 10 + (number[pos] - '0'), 1'000'000'000);
    if (negative) exponent = -exponent;
  }
  return digitsBeforePoint - 1 - leadingZeros + exponent < 0;
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
    // A number too small for a double is 0, as a correctly rounding reader gives it.
    if (error == std::errc::result_out_of_range && end == digits.data() + digits.size() &&
        isTooSmall(digits))
      return digits.front() == '-' ? -0.0 : 0.0;
  }
  throw ConversionError("'" + std::string(text) + "' is not a valid floating point value");
}

std::string integerText(int64_t value) {
  char text[24];
  const auto end = std::to_chars(text, text + sizeof text, value).ptr;
  return std::string(text, end);
}

std::string decimalText(double value) {
  char text[32];
  const auto end = std::to_chars(text, text + sizeof text, value).ptr;
  return std::string(text, end);
}

}  // namespace tevorin
