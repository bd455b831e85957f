#pragma once

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "tests/support/shipped_places.h"

namespace tevorin::testing {

// A copy of the built tevorin with the files it reads, in folder.
inline void copyBuiltProgram(const std::filesystem::path& folder) {
  const std::filesystem::path bin = TEVORIN_BIN_DIR;
  std::filesystem::create_directories(folder);
  std::filesystem::copy_file(bin / "tevorin", folder / "tevorin");
  copyShippedPlaces(folder);
  std::filesystem::copy_file(bin / "Parsh.htm", folder / "Parsh.htm");
}

// A program in a process of its own, with the environment given ("NAME=value", offscreen and PATH
// unless given); as the user "nobody" when asked and the test runs as root; its standard output
// to the file output when one is given.
class ProgramRun {
 public:
  ProgramRun(const std::filesystem::path& program, std::vector<std::string> environment,
             bool asNobody = false, std::vector<std::string> arguments = {},
             const std::filesystem::path& output = {}) {
    environment.push_back("QT_QPA_PLATFORM=offscreen");
    environment.push_back("PATH=/usr/bin:/bin");
    pid_ = ::fork();
    if (pid_ != 0) return;
    if (asNobody && ::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0))
      ::_exit(120);
    if (!output.empty()) {
      const int out = ::open(output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
      if (out < 0 || ::dup2(out, 1) < 0) ::_exit(121);
    }
    std::vector<char*> env;
    for (std::string& entry : environment) env.push_back(entry.data());
    env.push_back(nullptr);
    std::string path = program.string();
    std::vector<char*> argv{path.data()};
    for (std::string& argument : arguments) argv.push_back(argument.data());
    argv.push_back(nullptr);
    ::execve(path.c_str(), argv.data(), env.data());
    ::_exit(127);
  }
  ~ProgramRun() {
    if (pid_ > 0 && !ended_) {
      ::kill(pid_, SIGKILL);
      ::waitpid(pid_, nullptr, 0);
    }
  }
  ProgramRun(const ProgramRun&) = delete;
  ProgramRun& operator=(const ProgramRun&) = delete;

  void signal(int number) const { ::kill(pid_, number); }

  bool running() {
    if (ended_) return false;
    int status = 0;
    if (::waitpid(pid_, &status, WNOHANG) == 0) return true;
    ended_ = true;
    status_ = status;
    return false;
  }

  // The exit status once the program has ended within the time; -1 when it was killed or runs on.
  int waitForEnd(std::chrono::seconds limit = std::chrono::seconds(30)) {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (running() && std::chrono::steady_clock::now() < end)
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    if (!ended_ || !WIFEXITED(status_)) return -1;
    return WEXITSTATUS(status_);
  }

 private:
  pid_t pid_ = -1;
  bool ended_ = false;
  int status_ = 0;
};

// True once a program of this runtime folder listens for later starts: it has its settings
// file's lock and catches the signals that end it.
inline bool waitUntilListening(const std::filesystem::path& runtime, std::size_t copies = 1) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(30);
  while (std::chrono::steady_clock::now() < end) {
    std::size_t sockets = 0;
    std::error_code ignored;
    for (const auto& entry : std::filesystem::directory_iterator(runtime, ignored))
      if (entry.path().extension() == ".socket") ++sockets;
    if (sockets >= copies) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return false;
}

}  // namespace tevorin::testing
