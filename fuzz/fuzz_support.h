#pragma once

#include <fuzzer/FuzzedDataProvider.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

#include "common/number_text.h"

namespace tevorin::fuzz {

// A property that does not hold is a crash: libFuzzer keeps the input that broke it.
#define FUZZ_CHECK(condition)                                                            \
  do {                                                                                   \
    if (!(condition)) {                                                                  \
      std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition); \
      std::abort();                                                                      \
    }                                                                                    \
  } while (false)

// A folder of this process for the files a target writes, in memory where the system has a
// folder there (a write puts each file on the disk before its rename), removed at the end.
inline const std::filesystem::path& scratchFolder() {
  // Never destroyed: the removal at exit still needs it.
  static const auto* folder = [] {
    const std::filesystem::path shm = "/dev/shm";
    std::error_code ignored;
    const auto base =
        std::filesystem::is_directory(shm, ignored) ? shm : std::filesystem::temp_directory_path();
    auto* path = new std::filesystem::path(base / ("tevorin-fuzz-" + std::to_string(::getpid())));
    std::filesystem::create_directories(*path);
    std::atexit([] {
      std::error_code ignored;
      std::filesystem::remove_all(scratchFolder(), ignored);
    });
    return path;
  }();
  return *folder;
}

// A number as the place files hold it, read as the program reads them.
inline double placeNumber(FuzzedDataProvider& in) {
  try {
    return parseFloat(in.ConsumeRandomLengthString(24));
  } catch (const ConversionError&) {
    return 0;
  }
}

}  // namespace tevorin::fuzz
