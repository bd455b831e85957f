#pragma once

#include <stdexcept>

namespace tevorin {

// A publishing fault the user must see (the output file, the portions page); what() is the text the
// error report shows.
class PublishError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace tevorin
