#include "common/replacement_file.h"

#include <unistd.h>

#include <cerrno>
#include <random>
#include <string>
#include <system_error>
#include <utility>

#include "common/file_error.h"

namespace tevorin {

namespace {

std::string hexText(unsigned value) {
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string text(8, '0');
  for (auto it = text.rbegin(); it != text.rend(); ++it, value >>= 4) *it = kDigits[value & 15];
  return text;
}

// The file a path ends at after its links, even one still to be made: a link to the document
// (from a web folder, say) must keep pointing at the new text. Left unnormalised, as ".." after a
// linked folder is for the system to resolve.
std::filesystem::path linkedFile(std::filesystem::path path) {
  std::error_code ignored;
  for (int hops = 0; hops < 40 && std::filesystem::is_symlink(path, ignored); ++hops) {
    const auto next = std::filesystem::read_symlink(path, ignored);
    if (next.empty()) break;
    path = path.parent_path() / next;  // an absolute link replaces the whole path
  }
  return path;
}

}  // namespace

ReplacementFile::ReplacementFile(std::filesystem::path target)
    : target_(std::move(target)), replaced_(linkedFile(target_)) {
  std::error_code ignored;
  const auto old = std::filesystem::status(replaced_, ignored);
  if (std::filesystem::exists(old)) {
    if (!std::filesystem::is_regular_file(old)) fail("Cannot create file");
    // Opening for append changes nothing and tells whether the user may replace the file at all;
    // the rename alone would go over a read-only file.
    std::FILE* probe = std::fopen(replaced_.c_str(), "ab");
    if (!probe) fail("Cannot create file");
    std::fclose(probe);
  }
  std::random_device random;
  for (int attempt = 0; attempt < 100 && !file_; ++attempt) {
    temporary_ = replaced_;
    temporary_ += "." + hexText(random()) + ".tmp";
    file_ = std::fopen(temporary_.c_str(), "wbx");
    if (!file_ && errno != EEXIST) break;
  }
  if (!file_) {
    temporary_.clear();
    fail("Cannot create file");
  }
  // The caller hands over whole tables; a second buffer would only copy them again.
  std::setvbuf(file_, nullptr, _IONBF, 0);
  if (std::filesystem::exists(old))
    std::filesystem::permissions(temporary_, old.permissions(), ignored);
}

ReplacementFile::~ReplacementFile() {
  discard();
}

void ReplacementFile::write(std::string_view bytes) {
  if (std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size()) fail("Cannot write file");
}

void ReplacementFile::commit() {
  std::FILE* file = std::exchange(file_, nullptr);
  // On the disk before the rename, so a crash never leaves the new name on a half-written file.
  const bool synced = ::fsync(::fileno(file)) == 0;
  if (std::fclose(file) != 0 || !synced) fail("Cannot write file");
  std::error_code error;
  std::filesystem::rename(temporary_, replaced_, error);
  if (error) fail("Cannot write file");
  temporary_.clear();
}

void ReplacementFile::discard() {
  if (file_) std::fclose(std::exchange(file_, nullptr));
  if (!temporary_.empty()) {
    std::error_code ignored;
    std::filesystem::remove(temporary_, ignored);
    temporary_.clear();
  }
}

void ReplacementFile::fail(const char* what) {
  discard();
  throw FileError(std::string(what) + " '" + target_.string() + "'");
}

}  // namespace tevorin
