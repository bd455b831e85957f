#pragma once

#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>

namespace tevorin {

// Writes a file under a temporary name in the target's own folder and puts it in place only when
// complete, so a run that fails half-way leaves the earlier file as it was. A target that is a
// link is replaced where the link points. The temporary name ("<name>.tevorin-<8 hex>.tmp", the
// name cut to fit the folder's longest name) tells what it is; such files of the same target that
// are older than this run, left by a run that was killed while writing, are removed on the way.
// Errors throw FileError naming the target and the system's reason: "Cannot create file '<path>':
// No such file or directory" for a file still to be made, "Cannot write file '<path>': Permission
// denied" for one written over, or any write.
class ReplacementFile {
 public:
  // Refuses a target that exists but is not a writable regular file, then creates the temporary
  // file and removes the leftovers.
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
  // Removes what was written and throws FileError; error is an errno value.
  [[noreturn]] void fail(const char* what, int error);
  [[noreturn]] void fail(const char* what, const std::string& reason);

  std::filesystem::path target_;     // as the user named it, for the error texts
  std::filesystem::path replaced_;   // the file it names after its links
  std::filesystem::path temporary_;  // empty once committed or discarded
  std::FILE* file_ = nullptr;
};

}  // namespace tevorin
