#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace tevorin {

// A text that does not convert to a number; what() is the text the user sees.
class ConversionError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Optional blanks, optional sign, digits, optional blanks; must fit in int32_t.
// Throws ConversionError("'<text>' is not a valid integer value").
int32_t parseInteger(std::string_view text);

// Optional blanks, optional sign, digits with "." as decimal point, optional exponent, optional
// blanks; never the locale. Throws ConversionError("'<text>' is not a valid floating point value").
double parseFloat(std::string_view text);

// Plain decimal, no grouping, never the locale.
std::string integerText(int64_t value);

// The shortest text that parseFloat reads back as the same number ("40.71", "-5"), "." whatever
// the locale.
std::string decimalText(double value);

}  // namespace tevorin
