#pragma once

#include <string>
#include <string_view>
#include <vector>

// How a reader takes an iCalendar file apart; free of the test framework, for the fuzzer too.
namespace tevorin::testing {

// The content lines of an iCalendar file: split at CR LF, each fold (CR LF and one blank) taken
// out again.
inline std::vector<std::string> unfoldedLines(std::string_view bytes) {
  std::vector<std::string> lines;
  while (!bytes.empty()) {
    const std::size_t end = bytes.find("\r\n");
    const std::string_view line = bytes.substr(0, end);
    if (!lines.empty() && !line.empty() && line.front() == ' ')
      lines.back() += line.substr(1);
    else
      lines.emplace_back(line);
    if (end == std::string_view::npos) break;
    bytes.remove_prefix(end + 2);
  }
  return lines;
}

// A TEXT value as its reader gets it.
inline std::string unescapedText(std::string_view value) {
  std::string text;
  for (std::size_t i = 0; i < value.size(); ++i) {
    if (value[i] == '\\' && i + 1 < value.size()) {
      ++i;
      text += value[i] == 'n' || value[i] == 'N' ? '\n' : value[i];
    } else {
      text += value[i];
    }
  }
  return text;
}

}  // namespace tevorin::testing
