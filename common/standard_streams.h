#pragma once

namespace tevorin {

// Puts /dev/null, read-only, on each of the descriptors 0, 1 and 2 that is closed (as some daemons
// and schedulers start programs). Otherwise the next file opened takes the number and receives
// what is written to the standard stream. Read-only, so that writing to a stream that was closed
// still fails as it would have. Call first thing in main.
void openStandardStreams();

}  // namespace tevorin
