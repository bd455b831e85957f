#pragma once

#include <stdexcept>

namespace tevorin {

// A file the program must read or write and cannot; what() is the text the user sees, naming the
// file.
class FileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A file that cannot be read; what() is "Cannot open file <full path>".
class FileOpenError : public FileError {
 public:
  using FileError::FileError;
};

}  // namespace tevorin
