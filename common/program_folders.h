#pragma once

#include <filesystem>

namespace tevorin {

// The folder of the running program file, whatever the working folder and however it was
// started (a link to the program counts as the program itself).
std::filesystem::path programFolder();

// Where the place files and the portions page lie: beside the program, as in a build or a
// portable folder, else in ../share/tevorin/ beside the program's folder, as once installed. The
// program's own folder when neither holds the place files, so that the missing file is named
// where a portable program expects it.
std::filesystem::path dataFolder(const std::filesystem::path& programDir);

}  // namespace tevorin
