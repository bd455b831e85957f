#include "common/program_folders.h"

#include <system_error>

namespace tevorin {

namespace {

// The first of the place files: a folder without it holds none of the program's data.
constexpr char kDataMarker[] = "locco.dat";

bool holdsData(const std::filesystem::path& dir) {
  std::error_code ignored;
  return std::filesystem::exists(dir / kDataMarker, ignored);
}

}  // namespace

std::filesystem::path programFolder() {
  return std::filesystem::read_symlink("/proc/self/exe").parent_path();
}

std::filesystem::path dataFolder(const std::filesystem::path& programDir) {
  if (holdsData(programDir)) return programDir;
  const std::filesystem::path installed = programDir.parent_path() / "share" / "tevorin";
  if (holdsData(installed)) return installed;
  return programDir;
}

}  // namespace tevorin
