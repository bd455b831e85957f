#pragma once

#include <cstdio>
#include <filesystem>
#include <string_view>

namespace tevorin {

// Writes a file under a temporary name in the target's own folder and puts it in place only when
// complete, so a run that fails half-way leaves the earlier file as it was. A target that is a
// link is replaced where the link points. Errors throw FileError naming the target.
class ReplacementFile {
 public:
  // Refuses a target that exists but is not a writable regular file, then creates the temporary
  // file.
  explicit ReplacementFile(std::filesystem::path target);
  ~ReplacementFile();
  ReplacementFile(const ReplacementFile&) = delete;
  ReplacementFile& operator=(const ReplacementFile&) = delete;

  void write(std::string_view bytes);
  // Closes the temporary file and renames it over the target.
  void commit();

 private:
  // Closes and removes the temporary file, if any.
  void discard();
  [[noreturn]] void fail(const char* what);

  std::filesystem::path target_;     // as the user named it, for the error texts
  std::filesystem::path replaced_;   // the file it names after its links
  std::filesystem::path temporary_;  // empty once committed or discarded
  std::FILE* file_ = nullptr;
};

}  // namespace tevorin
