// The number readers against plain references: whole numbers by their digits, decimal numbers by
// the C library's reading in the "C" locale.
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <regex>
#include <string>
#include <string_view>

#include "common/number_text.h"
#include "fuzz/fuzz_support.h"

namespace {

using tevorin::ConversionError;

std::string_view trimmed(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

// Blanks, a sign, one digit or more, blanks; within int32_t.
std::optional<int32_t> referenceInteger(std::string_view text) {
  text = trimmed(text);
  const bool negative = !text.empty() && text.front() == '-';
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) text.remove_prefix(1);
  if (text.empty()) return std::nullopt;
  int64_t value = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
    if (value > int64_t{INT32_MAX} + 1) return std::nullopt;
  }
  if (negative) value = -value;
  if (value < INT32_MIN || value > INT32_MAX) return std::nullopt;
  return static_cast<int32_t>(value);
}

// The form the place files use; the value as strtod reads it, none when it is not finite.
// Longer texts are left out: the regular expression engine recurses once per character.
std::optional<std::optional<double>> referenceFloat(std::string_view text) {
  if (text.size() > 200) return std::nullopt;
  static const std::regex form(R"([ \t]*[+-]?([0-9]+\.?[0-9]*|\.[0-9]+)([eE][+-]?[0-9]+)?[ \t]*)");
  const std::string copy(text);
  if (!std::regex_match(copy, form)) return std::optional<double>();
  errno = 0;
  const double value = std::strtod(copy.c_str(), nullptr);
  if (!std::isfinite(value)) return std::optional<double>();
  return std::optional<double>(value);
}

// The text of a ConversionError: what() ends at a NUL byte of the text.
std::string message(std::string_view text, const char* tail) {
  const std::string whole = "'" + std::string(text) + "' " + tail;
  return whole.substr(0, whole.find('\0'));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);

  const std::optional<int32_t> integer = referenceInteger(text);
  try {
    const int32_t value = tevorin::parseInteger(text);
    FUZZ_CHECK(integer && *integer == value);
    FUZZ_CHECK(tevorin::parseInteger(tevorin::integerText(value)) == value);
  } catch (const ConversionError& error) {
    FUZZ_CHECK(!integer);
    FUZZ_CHECK(error.what() == message(text, "is not a valid integer value"));
  }

  const auto decimal = referenceFloat(text);
  try {
    const double value = tevorin::parseFloat(text);
    FUZZ_CHECK(std::isfinite(value));
    if (decimal) FUZZ_CHECK(*decimal && **decimal == value);
    // The shortest text of the value reads back as the same number.
    char shortest[32];
    const auto end = std::to_chars(shortest, shortest + sizeof shortest, value).ptr;
    FUZZ_CHECK(tevorin::parseFloat(std::string_view(shortest, end - shortest)) == value);
  } catch (const ConversionError& error) {
    if (decimal) FUZZ_CHECK(!*decimal);
    FUZZ_CHECK(error.what() == message(text, "is not a valid floating point value"));
  }
  return 0;
}
