#include "common/text_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "common/file_error.h"

namespace tevorin {

namespace {

// Closes the descriptor however the read ends.
class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int get() const { return fd_; }

 private:
  int fd_;
};

}  // namespace

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
  // A device is not even opened. What is opened is opened without waiting, as a FIFO put in the
  // file's place since would wait for a writer for ever, and checked again.
  struct stat info {};
  if (::stat(file.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return std::nullopt;
  const Descriptor in(::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
  if (in.get() < 0 || ::fstat(in.get(), &info) != 0 || !S_ISREG(info.st_mode)) return std::nullopt;
  const int flags = ::fcntl(in.get(), F_GETFL);
  if (flags < 0 || ::fcntl(in.get(), F_SETFL, flags & ~O_NONBLOCK) != 0) return std::nullopt;

  std::string text;
  text.reserve(static_cast<std::size_t>(info.st_size));
  char buffer[1 << 16];
  for (;;) {
    const ssize_t n = ::read(in.get(), buffer, sizeof buffer);
    if (n == 0) return text;
    if (n > 0) {
      text.append(buffer, static_cast<std::size_t>(n));
    } else if (errno != EINTR) {
      return std::nullopt;
    }
  }
}

std::vector<std::string> readLines(const std::filesystem::path& file) {
  const std::optional<std::string> text = readWholeFile(file);
  if (!text) throw FileOpenError("Cannot open file " + std::filesystem::absolute(file).string());
  return splitLines(*text);
}

}  // namespace tevorin
