#include "app/settings_file.h"

#include <algorithm>
#include <optional>

#include "common/file_error.h"
#include "common/plain_text.h"
#include "common/replacement_file.h"
#include "common/text_file.h"

namespace tevorin {

namespace {

bool sectionName(std::string_view line, std::string_view& name) {
  const std::string_view text = trimBlanks(line);
  const size_t close = text.find(']');
  if (text.empty() || text.front() != '[' || close == std::string_view::npos) return false;
  name = trimBlanks(text.substr(1, close - 1));
  return true;
}

bool keyAndValue(std::string_view line, std::string_view& key, std::string_view& value) {
  const std::string_view text = trimBlanks(line);
  const size_t equals = text.find('=');
  if (text.empty() || text.front() == ';' || text.front() == '[' ||
      equals == std::string_view::npos)
    return false;
  key = trimBlanks(text.substr(0, equals));
  value = trimBlanks(text.substr(equals + 1));
  return true;
}

// A line break inside a value would split it into lines the next read takes apart.
std::string oneLine(std::string_view value) {
  std::string line(value);
  std::ranges::replace(line, '\r', ' ');
  std::ranges::replace(line, '\n', ' ');
  return line;
}

}  // namespace

SettingsFile SettingsFile::read(const std::filesystem::path& file) {
  const std::optional<std::string> text = readWholeFile(file);
  if (text) return parse(*text);
  std::error_code ignored;
  if (std::filesystem::status(file, ignored).type() == std::filesystem::file_type::not_found)
    return {};
  throw FileOpenError("Cannot open file " + std::filesystem::absolute(file, ignored).string());
}

SettingsFile SettingsFile::parse(std::string_view text) {
  constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";
  // An editor may add its mark before one that is there: a mark kept would hide the first section
  // now and be dropped at the next read.
  while (text.starts_with(byteOrderMark)) text.remove_prefix(byteOrderMark.size());
  SettingsFile settings;
  settings.lines_ = splitLines(text);
  return settings;
}

size_t SettingsFile::findSection(std::string_view section) const {
  for (size_t i = 0; i < lines_.size(); ++i) {
    std::string_view name;
    if (sectionName(lines_[i], name) && equalIgnoringCase(name, section)) return i;
  }
  return lines_.size();
}

size_t SettingsFile::findKey(size_t header, std::string_view key, bool& found) const {
  size_t last = header;
  for (size_t i = header + 1; i < lines_.size(); ++i) {
    std::string_view name, value;
    if (sectionName(lines_[i], name)) break;
    if (keyAndValue(lines_[i], name, value) && equalIgnoringCase(name, key)) {
      found = true;
      return i;
    }
    if (!trimBlanks(lines_[i]).empty()) last = i;
  }
  found = false;
  return last + 1;
}

std::string SettingsFile::value(std::string_view section, std::string_view key,
                                std::string_view fallback) const {
  const size_t header = findSection(section);
  if (header == lines_.size()) return std::string(fallback);
  bool found = false;
  const size_t line = findKey(header, key, found);
  std::string_view name, value;
  if (!found || !keyAndValue(lines_[line], name, value)) return std::string(fallback);
  return std::string(value);
}

void SettingsFile::setValue(std::string_view section, std::string_view key,
                            std::string_view value) {
  const size_t header = findSection(section);
  if (header == lines_.size()) {
    if (!lines_.empty() && !trimBlanks(lines_.back()).empty()) lines_.emplace_back();
    lines_.push_back("[" + std::string(section) + "]");
    lines_.push_back(std::string(key) + "=" + oneLine(value));
    return;
  }
  bool found = false;
  const size_t line = findKey(header, key, found);
  if (found) {
    std::string_view written, old;
    keyAndValue(lines_[line], written, old);
    lines_[line] = std::string(written) + "=" + oneLine(value);
  } else {
    lines_.insert(lines_.begin() + static_cast<ptrdiff_t>(line),
                  std::string(key) + "=" + oneLine(value));
  }
}

std::string SettingsFile::text() const {
  std::string text;
  for (const std::string& line : lines_) text += line + "\r\n";
  return text;
}

void SettingsFile::write(const std::filesystem::path& file) const {
  ReplacementFile out(file);
  out.write(text());
  out.commit();
}

}  // namespace tevorin
