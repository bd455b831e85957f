#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tevorin {

// Splits at CR LF, lone LF or lone CR; an empty line is an entry, a final line end adds none.
std::vector<std::string> splitLines(std::string_view text);

// The whole file, or none when it cannot be opened or read or is no regular file (a folder, a
// FIFO, a device); never waits for a writer.
std::optional<std::string> readWholeFile(const std::filesystem::path& file);

// Reads a whole text file as lines; throws FileOpenError.
std::vector<std::string> readLines(const std::filesystem::path& file);

}  // namespace tevorin
