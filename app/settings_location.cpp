#include "app/settings_location.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <system_error>

namespace tevorin {

namespace {

namespace fs = std::filesystem;

constexpr char kSettingsFileName[] = "tvrn.ini";

bool present(const fs::path& path) {
  std::error_code ignored;
  return fs::exists(path, ignored);
}

// A relative or empty variable is not a folder the XDG rules accept.
std::optional<fs::path> absoluteFolder(const std::optional<std::string>& value) {
  if (!value || value->empty() || value->front() != '/') return std::nullopt;
  return fs::path(*value);
}

std::optional<std::string> environment(const char* name) {
  const char* value = std::getenv(name);
  if (value == nullptr) return std::nullopt;
  return std::string(value);
}

std::optional<std::string> passwordHome() {
  const passwd* user = ::getpwuid(::geteuid());
  if (user == nullptr || user->pw_dir == nullptr) return std::nullopt;
  return std::string(user->pw_dir);
}

}  // namespace

SettingsLocation findSettings(const SettingsFacts& facts) {
  const fs::path beside = facts.programDir / kSettingsFileName;
  if (facts.dataBeside && facts.programDirWritable) return {beside, beside};

  std::optional<fs::path> configHome = absoluteFolder(facts.xdgConfigHome);
  if (!configHome) {
    if (const auto home = absoluteFolder(facts.home)) configHome = *home / ".config";
  }
  if (!configHome) return {beside, beside};

  const fs::path file = *configHome / "tevorin" / kSettingsFileName;
  // A portable folder on a medium that cannot be written still gives its choices to the first run.
  if (!present(file) && present(beside)) return {file, beside};
  return {file, file};
}

SettingsFacts settingsFactsFor(const fs::path& programDir, const fs::path& dataDir) {
  SettingsFacts facts;
  facts.programDir = programDir;
  facts.dataBeside = dataDir == programDir;
  // The folder, not an existing tvrn.ini, decides: the write makes a new file and renames it.
  facts.programDirWritable =
      ::faccessat(AT_FDCWD, programDir.c_str(), W_OK | X_OK, AT_EACCESS) == 0;
  facts.xdgConfigHome = environment("XDG_CONFIG_HOME");
  facts.home = environment("HOME");
  if (!facts.home) facts.home = passwordHome();
  return facts;
}

void makeFoldersFor(const fs::path& file) {
  const fs::path folder = file.parent_path();
  if (folder.empty() || present(folder)) return;
  makeFoldersFor(folder);
  ::mkdir(folder.c_str(), 0700);
}

}  // namespace tevorin
