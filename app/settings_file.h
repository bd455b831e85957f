#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace tevorin {

// A profile (INI) file kept as its own lines, so that sections, keys and comments the program does
// not know survive a write. Section and key names are found without regard to case; a value is the
// text after the first "=", taken as written but for the blanks around it (no quotes, no escapes).
class SettingsFile {
 public:
  // A file that does not exist (a link to none included) gives an empty one: every key then has
  // its default. One that exists but cannot be read (no right to, a folder, a FIFO) throws
  // FileOpenError: taken as empty, it would be replaced by the defaults at the next write.
  static SettingsFile read(const std::filesystem::path& file);
  // Lines may end with CR LF, LF or CR; UTF-8 byte-order marks at the start are dropped.
  static SettingsFile parse(std::string_view text);

  // The value of the first such key in the first such section, or fallback.
  std::string value(std::string_view section, std::string_view key,
                    std::string_view fallback) const;
  // Replaces the value of the key that value() reads, keeping the key's spelling, or adds the key
  // at the end of the section, or the section with its key at the end of the file.
  void setValue(std::string_view section, std::string_view key, std::string_view value);

  // The whole file, every line ended with CR LF.
  std::string text() const;

  // Writes the whole file or nothing: a temporary file in the same folder, flushed to the disk, is
  // renamed over the old one. Throws FileError with the system's reason; the old file is then
  // untouched.
  void write(const std::filesystem::path& file) const;

 private:
  // The line of the section's header, or lines_.size() when there is no such section.
  size_t findSection(std::string_view section) const;
  // The line of key inside the section starting at header, or the line after the section's last
  // key or header when there is no such key; found tells which.
  size_t findKey(size_t header, std::string_view key, bool& found) const;

  std::vector<std::string> lines_;
};

}  // namespace tevorin
