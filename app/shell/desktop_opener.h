#pragma once

#include <chrono>
#include <functional>
#include <string>

namespace tevorin {

// How long the opener may run before it counts as having started the browser: the desktop's own
// opener returns at once, the generic one waits until the browser it started ends.
inline constexpr std::chrono::milliseconds kOpenerPatience{3000};

// Asks the desktop's opener (xdg-open) to open a file or a web address and calls done once, later,
// with whether it could: it ended with status 0, or still runs after patience. The window goes on
// meanwhile.
void openOnDesktop(const std::string& target, std::function<void(bool opened)> done,
                   std::chrono::milliseconds patience = kOpenerPatience);

}  // namespace tevorin
