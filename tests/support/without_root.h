#pragma once

#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <string>

#include "common/file_error.h"

namespace tevorin::testing {

// The what() of the FileError that act throws, or "" when it throws none.
inline std::string fileErrorOf(const std::function<void()>& act) {
  try {
    act();
  } catch (const FileError& error) {
    return error.what();
  }
  return "";
}

// As fileErrorOf, but root may write where the permission bits forbid it; as root, act runs in a
// child process as the user nobody, so the bits bind it as they bind a user.
inline std::string fileErrorWithoutRoot(const std::function<void()>& act) {
  if (::geteuid() != 0) return fileErrorOf(act);

  int pipeEnds[2];
  if (::pipe(pipeEnds) != 0) return "no pipe";
  const pid_t child = ::fork();
  if (child < 0) return "no child process";
  if (child == 0) {
    ::close(pipeEnds[0]);
    constexpr uid_t kNobody = 65534;
    const std::string text = ::setgid(kNobody) == 0 && ::setuid(kNobody) == 0
                                 ? fileErrorOf(act)
                                 : "cannot become nobody";
    const ssize_t written = ::write(pipeEnds[1], text.data(), text.size());
    ::_exit(written == static_cast<ssize_t>(text.size()) ? 0 : 1);
  }
  ::close(pipeEnds[1]);
  std::string text;
  char buffer[512];
  for (ssize_t n; (n = ::read(pipeEnds[0], buffer, sizeof buffer)) > 0;) text.append(buffer, n);
  ::close(pipeEnds[0]);
  int status = 0;
  ::waitpid(child, &status, 0);
  return text;
}

}  // namespace tevorin::testing
