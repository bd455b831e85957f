// The settings file: any text is read, the program's keys are set to any values, and what
// is written reads back the same. Values read back without the blanks around them, and with a
// line break inside as a blank (a value is one line).
#include <fuzzer/FuzzedDataProvider.h>

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "app/settings_file.h"
#include "common/plain_text.h"
#include "fuzz/fuzz_support.h"

namespace {

using tevorin::SettingsFile;

struct Key {
  const char* section;
  const char* name;
};
constexpr std::array<Key, 9> kKeys = {{{"Location", "ListCountry"},
                                       {"Generate", "Month"},
                                       {"Generate", "MonthNo"},
                                       {"Generate", "Year"},
                                       {"Generate", "NoMonthsGen"},
                                       {"CHMonth", "Month"},
                                       {"CHMonth", "Year"},
                                       {"Rules", "InIsrael"},
                                       {"Rules", "AshkenaziNames"}}};
// No value the fuzzer writes can be this: it tells an absent key.
constexpr std::string_view kAbsent = "\r";

std::array<std::string, kKeys.size()> valuesOf(const SettingsFile& settings) {
  std::array<std::string, kKeys.size()> values;
  for (std::size_t i = 0; i < kKeys.size(); ++i)
    values[i] = settings.value(kKeys[i].section, kKeys[i].name, kAbsent);
  return values;
}

std::string asReadBack(std::string value) {
  for (char& c : value)
    if (c == '\r' || c == '\n') c = ' ';
  return std::string(tevorin::trimBlanks(value));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider in(data, size);
  SettingsFile settings = SettingsFile::parse(in.ConsumeRandomLengthString(8192));
  // Reading is stable: the text of what was read reads as the same.
  FUZZ_CHECK(SettingsFile::parse(settings.text()).text() == settings.text());

  while (in.remaining_bytes() > 0) {
    const std::size_t key = in.ConsumeIntegralInRange<std::size_t>(0, kKeys.size() - 1);
    const std::string value = in.ConsumeRandomLengthString(256);
    auto expected = valuesOf(settings);
    expected[key] = asReadBack(value);
    settings.setValue(kKeys[key].section, kKeys[key].name, value);
    // The key reads as set, and no other key changed.
    FUZZ_CHECK(valuesOf(settings) == expected);
  }

  const std::string text = settings.text();
  const SettingsFile reread = SettingsFile::parse(text);
  FUZZ_CHECK(valuesOf(reread) == valuesOf(settings));
  FUZZ_CHECK(reread.text() == text);

  // Through the disk, as the program writes and reads it.
  const auto file = tevorin::fuzz::scratchFolder() / "tvrn.ini";
  settings.write(file);
  FUZZ_CHECK(SettingsFile::read(file).text() == text);
  return 0;
}
