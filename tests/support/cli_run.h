#pragma once

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "tests/support/scratch_folder.h"

namespace tevorin::testing {

struct CliRun {
  int exitCode = -1;
  std::string out;
  std::string err;
};

// Runs the tevorin-cli of binDir (which reads the place files beside it) through the shell, so
// arguments may carry quotes and redirections; shellBefore goes ahead of the program (a cd, a
// limit).
inline CliRun runCli(const std::string& arguments,
                     const std::filesystem::path& binDir = TEVORIN_BIN_DIR,
                     const std::string& shellBefore = "") {
  const ScratchFolder scratch;
  const std::filesystem::path errFile = scratch.path() / "stderr.txt";
  const std::string command = shellBefore + "'" + (binDir / "tevorin-cli").string() + "' " +
                              arguments + " 2>'" + errFile.string() + "'";
  CliRun run;
  FILE* pipe = ::popen(command.c_str(), "r");
  if (pipe == nullptr) {
    ADD_FAILURE() << "cannot start " << command;
    return run;
  }
  char buffer[1 << 16];
  for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
    run.out.append(buffer, n);
  const int status = ::pclose(pipe);
  run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  run.err = readFile(errFile);
  return run;
}

// The lines of a program's output, each without its line break.
inline std::vector<std::string> lines(const std::string& text) {
  std::vector<std::string> result;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) result.push_back(line);
  return result;
}

// What a refused command line prints on stderr before the usage line of the command that follows
// it; the whole text when no usage line ends it.
inline std::string beforeUsage(const std::string& err, const std::string& command) {
  const std::string usage = "usage: tevorin-cli " + command + " ";
  const std::size_t at = err.rfind(usage);
  if (at == std::string::npos || (at > 0 && err[at - 1] != '\n') ||
      err.find('\n', at) != err.size() - 1)
    return err;
  return err.substr(0, at);
}

// A copy of the built tevorin-cli in folder, to run beside files the test controls.
inline void copyBuiltCli(const std::filesystem::path& folder) {
  std::filesystem::copy_file(std::filesystem::path(TEVORIN_BIN_DIR) / "tevorin-cli",
                             folder / "tevorin-cli");
}

}  // namespace tevorin::testing
