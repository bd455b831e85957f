#include "common/replacement_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <random>
#include <string>
#include <system_error>
#include <utility>

#include "common/file_error.h"

namespace tevorin {

namespace {

// A temporary file is named "<target's name>.tevorin-<8 hex digits>.tmp", so that one left behind
// by a run that was killed is known for what it is, and removed by the next write of its target.
constexpr std::string_view kTemporaryMark = ".tevorin-";
constexpr std::size_t kRandomDigits = 8;
constexpr std::string_view kTemporaryEnd = ".tmp";
constexpr std::size_t kTemporarySuffix =
    kTemporaryMark.size() + kRandomDigits + kTemporaryEnd.size();

// A temporary file last written before this run began belongs to a run that has ended. File times
// run on a coarser clock, and some file systems keep them to 2 seconds: the margin keeps every file
// of this run out of reach.
const std::filesystem::file_time_type kStaleBefore =
    std::filesystem::file_time_type::clock::now() - std::chrono::seconds(3);

std::string hexText(unsigned value) {
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string text(kRandomDigits, '0');
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

std::filesystem::path folderOf(const std::filesystem::path& file) {
  return file.has_parent_path() ? file.parent_path() : std::filesystem::path(".");
}

// The start of the temporary names of file: its name, cut at a character's start where the
// suffix would pass the folder's longest name (255 bytes on most file systems).
std::string temporaryPrefix(const std::filesystem::path& file) {
  const long longest = ::pathconf(folderOf(file).c_str(), _PC_NAME_MAX);
  const std::size_t room =
      std::max<std::size_t>(longest > 0 ? std::size_t(longest) : 255, kTemporarySuffix + 1) -
      kTemporarySuffix;
  std::string name = file.filename().string();
  if (name.size() > room) {
    std::size_t cut = room;
    while (cut > 0 && (static_cast<unsigned char>(name[cut]) & 0xC0) == 0x80) --cut;
    name.resize(cut);
  }
  return name + std::string(kTemporaryMark);
}

bool isTemporaryName(std::string_view name, std::string_view prefix) {
  if (name.size() != prefix.size() + kRandomDigits + kTemporaryEnd.size() ||
      !name.starts_with(prefix) || !name.ends_with(kTemporaryEnd))
    return false;
  const std::string_view digits = name.substr(prefix.size(), kRandomDigits);
  return std::ranges::all_of(
      digits, [](char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'); });
}

// Removes what runs killed while writing the same file left behind; a write going on now in
// another run has touched its file since this run began.
void removeLeftovers(const std::filesystem::path& own, std::string_view prefix) {
  std::error_code error;
  for (std::filesystem::directory_iterator entry(folderOf(own), error), end; !error && entry != end;
       entry.increment(error)) {
    const std::string name = entry->path().filename().string();
    if (name == own.filename() || !isTemporaryName(name, prefix)) continue;
    std::error_code ignored;
    if (!entry->is_symlink(ignored) && entry->is_regular_file(ignored) &&
        entry->last_write_time(ignored) < kStaleBefore && !ignored)
      std::filesystem::remove(entry->path(), ignored);
  }
}

}  // namespace

ReplacementFile::ReplacementFile(std::filesystem::path target)
    : target_(std::move(target)), replaced_(linkedFile(target_)) {
  std::error_code ignored;
  const auto old = std::filesystem::status(replaced_, ignored);
  // Only an existing file is written over; anything else is created.
  const char* const verb =
      std::filesystem::is_regular_file(old) ? "Cannot write file" : "Cannot create file";
  if (std::filesystem::is_directory(old)) fail(verb, EISDIR);
  if (std::filesystem::exists(old)) {
    if (!std::filesystem::is_regular_file(old)) fail(verb, "not a regular file");
    // Opening for append changes nothing and tells whether the user may replace the file at all;
    // the rename alone would go over a read-only file. Without waiting, should a FIFO have taken
    // the file's place since.
    const int probe = ::open(replaced_.c_str(), O_WRONLY | O_APPEND | O_NONBLOCK | O_CLOEXEC);
    if (probe < 0) fail(verb, errno);
    ::close(probe);
  }
  const std::string prefix = temporaryPrefix(replaced_);
  std::random_device random;
  for (int attempt = 0; attempt < 100 && !file_; ++attempt) {
    temporary_ = folderOf(replaced_) / (prefix + hexText(random()) + std::string(kTemporaryEnd));
    file_ = std::fopen(temporary_.c_str(), "wbx");
    if (!file_ && errno != EEXIST) break;
  }
  if (!file_) {
    const int error = errno;
    temporary_.clear();
    fail(verb, error);
  }
  removeLeftovers(temporary_, prefix);
  // The caller hands over whole tables; a second buffer would only copy them again.
  std::setvbuf(file_, nullptr, _IONBF, 0);
  if (std::filesystem::exists(old))
    std::filesystem::permissions(temporary_, old.permissions(), ignored);
}

ReplacementFile::~ReplacementFile() {
  discard();
}

void ReplacementFile::write(std::string_view bytes) {
  if (std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size())
    fail("Cannot write file", errno);
}

void ReplacementFile::commit() {
  std::FILE* file = std::exchange(file_, nullptr);
  // On the disk before the rename, so a crash never leaves the new name on a half-written file.
  const int synced = ::fsync(::fileno(file)) == 0 ? 0 : errno;
  if (std::fclose(file) != 0) fail("Cannot write file", errno);
  if (synced != 0) fail("Cannot write file", synced);
  std::error_code error;
  std::filesystem::rename(temporary_, replaced_, error);
  if (error) fail("Cannot write file", error.value());
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

void ReplacementFile::fail(const char* what, int error) {
  fail(what, std::generic_category().message(error));
}

void ReplacementFile::fail(const char* what, const std::string& reason) {
  discard();
  throw FileError(std::string(what) + " '" + target_.string() + "': " + reason);
}

}  // namespace tevorin
