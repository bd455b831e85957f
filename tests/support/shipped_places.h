#pragma once

#include <filesystem>

#include "sun/location_list.h"

namespace tevorin::testing {

// The place files that ship with the program, copied from the build into folder, so that a run
// that wrote over them would cost no other test its places.
inline void copyShippedPlaces(const std::filesystem::path& folder) {
  for (const char* name : kPlaceFiles)
    std::filesystem::copy_file(std::filesystem::path(TEVORIN_BIN_DIR) / name, folder / name);
}

}  // namespace tevorin::testing
