#pragma once

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <condition_variable>
#include <filesystem>
#include <mutex>
#include <thread>

namespace tevorin::testing {

// A FIFO at path, where a file is expected.
inline void makeFifo(const std::filesystem::path& path) {
  ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0) << path;
}

// Turns a reader that waits for the FIFO's writer for ever into a failed test: while the watch
// lives, a reader still waiting after a long while is released by writers that close at once
// (it then reads an empty file), and the test fails when the watch ends.
class FifoWatch {
 public:
  explicit FifoWatch(std::filesystem::path fifo)
      : fifo_(std::move(fifo)), watcher_(&FifoWatch::watch, this) {}

  ~FifoWatch() {
    {
      const std::lock_guard lock(mutex_);
      stopping_ = true;
    }
    stop_.notify_one();
    watcher_.join();
    if (released_) ADD_FAILURE() << "waited for a writer of " << fifo_;
  }
  FifoWatch(const FifoWatch&) = delete;
  FifoWatch& operator=(const FifoWatch&) = delete;

 private:
  void watch() {
    std::unique_lock lock(mutex_);
    const auto stopping = [this] { return stopping_; };
    if (stop_.wait_for(lock, std::chrono::seconds(30), stopping)) return;
    released_ = true;
    while (!stop_.wait_for(lock, std::chrono::milliseconds(10), stopping)) {
      const int writer = ::open(fifo_.c_str(), O_WRONLY | O_NONBLOCK);
      if (writer >= 0) ::close(writer);
    }
  }

  std::filesystem::path fifo_;
  std::mutex mutex_;
  std::condition_variable stop_;
  bool stopping_ = false;
  bool released_ = false;
  std::thread watcher_;  // last: it starts once the rest is there
};

}  // namespace tevorin::testing
