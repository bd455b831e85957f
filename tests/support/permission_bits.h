#pragma once

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace tevorin::testing {

// While it lives, the permission bits bind this thread as they bind a user, even as root: the
// capabilities that let root pass them leave the thread's effective set, and come back after.
class PermissionBitsBind {
 public:
  PermissionBitsBind() {
    if (::geteuid() != 0) {
      binds_ = true;
      return;
    }
    if (::syscall(SYS_capget, &header_, saved_) != 0) return;
    __user_cap_data_struct without[2] = {saved_[0], saved_[1]};
    without[0].effective &= ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH));
    binds_ = dropped_ = ::syscall(SYS_capset, &header_, without) == 0;
  }
  ~PermissionBitsBind() {
    if (dropped_) ::syscall(SYS_capset, &header_, saved_);
  }
  PermissionBitsBind(const PermissionBitsBind&) = delete;
  PermissionBitsBind& operator=(const PermissionBitsBind&) = delete;

  // False where root keeps its rights (the capabilities could not be dropped).
  bool binds() const { return binds_; }

 private:
  __user_cap_header_struct header_{_LINUX_CAPABILITY_VERSION_3, 0};
  __user_cap_data_struct saved_[2]{};
  bool binds_ = false;
  bool dropped_ = false;
};

}  // namespace tevorin::testing
