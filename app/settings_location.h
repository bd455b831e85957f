#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace tevorin {

// Where the settings of a run lie.
struct SettingsLocation {
  // The tvrn.ini that the run writes, and reads once it exists.
  std::filesystem::path file;
  // Where the run's start values come from: file, or a tvrn.ini beside the program while file
  // has not been written yet.
  std::filesystem::path readFrom;
};

// What decides the location: found by settingsFactsFor in a run, given by the tests.
struct SettingsFacts {
  std::filesystem::path programDir;
  // The place files lie beside the program: a build or portable folder, not an installed program.
  bool dataBeside = false;
  // A file can be made and renamed in programDir, as a whole-or-nothing write needs.
  bool programDirWritable = false;
  std::optional<std::string> xdgConfigHome;
  std::optional<std::string> home;
};

// A portable folder that takes files keeps tvrn.ini beside the program; otherwise it is
// tevorin/tvrn.ini in the user's configuration folder: $XDG_CONFIG_HOME when it is an absolute
// path, else ~/.config. Without a home folder it stays beside the program.
SettingsLocation findSettings(const SettingsFacts& facts);

// The facts of this run: the folder as the running user may change it, the user's environment,
// and the home folder of the password database when $HOME is not set.
SettingsFacts settingsFactsFor(const std::filesystem::path& programDir,
                               const std::filesystem::path& dataDir);

// Makes the missing folders above file, open to their owner only as a configuration folder is; a
// folder that cannot be made makes the write that follows fail.
void makeFoldersFor(const std::filesystem::path& file);

}  // namespace tevorin
