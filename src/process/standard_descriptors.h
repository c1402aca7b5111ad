#pragma once

namespace smscfg {

// Opens /dev/null on each of descriptors 0, 1 and 2 that is closed. A
// program started with one of them closed would otherwise get its first
// opened file there, a serial port say, and write its output into it. Call
// it first thing in main(), before anything opens a file.
void ensureStandardDescriptors();

}  // namespace smscfg
