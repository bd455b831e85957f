#include "common/text_file.h"

#include <fstream>
#include <iterator>

#include "common/file_error.h"

namespace tevorin {

std::vector<std::string> splitLines(std::string_view text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t pos = 0; pos < text.size(); ++pos) {
    if (text[pos] != '\r' && text[pos] != '\n') continue;
    lines.emplace_back(text.substr(start, pos - start));
    if (text[pos] == '\r' && pos + 1 < text.size() && text[pos + 1] == '\n') ++pos;
    start = pos + 1;
  }
  if (start < text.size()) lines.emplace_back(text.substr(start));
  return lines;
}

std::optional<std::string> readWholeFile(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) return std::nullopt;
  // A directory opens but fails to read.
  try {
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  } catch (const std::ios_base::failure&) {
    return std::nullopt;
  }
}

std::vector<std::string> readLines(const std::filesystem::path& file) {
  const std::optional<std::string> text = readWholeFile(file);
  if (!text) throw FileOpenError("Cannot open file " + std::filesystem::absolute(file).string());
  return splitLines(*text);
}

}  // namespace tevorin
