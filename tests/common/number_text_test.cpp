#include "common/number_text.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdint>
#include <limits>

namespace tevorin {
namespace {

TEST(NumberText, IntegersConvert) {
  struct Row {
    const char* text;
    int32_t value;
  };
  const Row rows[] = {{"4935", 4935},
                      {"0", 0},
                      {"-1", -1},
                      {"+12", 12},
                      {"  7  ", 7},
                      {"\t42\t", 42},
                      {"007", 7},
                      {"2147483647", 2147483647},
                      {"-2147483648", std::numeric_limits<int32_t>::min()}};
  for (const Row& row : rows) EXPECT_EQ(parseInteger(row.text), row.value) << row.text;
}

TEST(NumberText, TextsThatAreNotIntegersFailWithTheirText) {
  for (const char* text : {"", " ", "abc", "12a", "1.5", "1,5", "+-3", "--3", "- 3", "1 2",
                           "2147483648", "-2147483649", "0x10", "+", "-"}) {
    try {
      parseInteger(text);
      ADD_FAILURE() << "'" << text << "' converted";
    } catch (const ConversionError& error) {
      EXPECT_EQ(error.what(), "'" + std::string(text) + "' is not a valid integer value");
    }
  }
}

TEST(NumberText, DecimalNumbersConvertWithAPoint) {
  struct Row {
    const char* text;
    double value;
  };
  const Row rows[] = {{"31.78", 31.78}, {"-74.01", -74.01}, {"+2", 2},   {" 35.22 ", 35.22},
                      {"\t-5\t", -5},   {"5.", 5},          {".5", 0.5}, {"1e2", 100},
                      {"1.5E-1", 0.15}, {"-2e+1", -20},     {"0", 0},    {"-0.0", 0}};
  for (const Row& row : rows) EXPECT_DOUBLE_EQ(parseFloat(row.text), row.value) << row.text;
}

// Nearer to 0 than any double is 0, however the digits and the exponent share the smallness; only
// what is too large fails ("1e999" below).
TEST(NumberText, DecimalNumbersTooSmallForADoubleAreZero) {
  for (const char* text :
       {"1e-400", "-1.5e-3474", " 0.0001e-320 ", "000123e-330", "1e-99999999999999999999"}) {
    EXPECT_EQ(parseFloat(text), 0.0) << text;
  }
  EXPECT_GT(parseFloat("5e-324"), 0.0);
  EXPECT_THROW(parseFloat("0.01e311"), ConversionError);
}

TEST(NumberText, OnlyThePointIsADecimalSeparatorWhateverTheLocale) {
  // A locale with a decimal comma, where the system has one; the result must not depend on it.
  std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
  EXPECT_DOUBLE_EQ(parseFloat("31.78"), 31.78);
  EXPECT_THROW(parseFloat("31,78"), ConversionError);
  std::setlocale(LC_NUMERIC, "C");
}

TEST(NumberText, TextsThatAreNotDecimalNumbersFailWithTheirText) {
  for (const char* text :
       {"",   "  ", "31,78", "abc", "nan",   "inf", "-inf", "infinity", "0x1p3", "1e", "1e+",
        "e5", ".",  "-.",    "+-1", "1.2.3", "1 2", "12a",  "1e999",    "--1",   "1d"}) {
    try {
      parseFloat(text);
      ADD_FAILURE() << "'" << text << "' converted";
    } catch (const ConversionError& error) {
      EXPECT_EQ(error.what(), "'" + std::string(text) + "' is not a valid floating point value");
    }
  }
}

TEST(NumberText, IntegerTextIsPlainDecimal) {
  EXPECT_EQ(integerText(0), "0");
  EXPECT_EQ(integerText(4935), "4935");
  EXPECT_EQ(integerText(-1), "-1");
  EXPECT_EQ(integerText(1234567), "1234567");
  EXPECT_EQ(integerText(std::numeric_limits<int64_t>::min()), "-9223372036854775808");
}

TEST(NumberText, DecimalTextIsTheShortestThatReadsBack) {
  for (const double value : {40.71, -74.01, -5.0, 5.5, 0.1, 1e-7, 64.1467, 12345678.9}) {
    SCOPED_TRACE(value);
    const std::string text = decimalText(value);
    EXPECT_EQ(parseFloat(text), value);
  }
  EXPECT_EQ(decimalText(40.71), "40.71");
  EXPECT_EQ(decimalText(-5), "-5");
}

}  // namespace
}  // namespace tevorin
