#pragma once

// A program started with standard input, output or error closed would see the
// next file it opens land on that descriptor: its output would go into that
// file. Before anything else opens a file, each closed standard descriptor is
// taken by /dev/null, opened the other way round, so that using it still fails
// as it would have (writing to a closed output is an error, not a success).
// Plain C++; does nothing where descriptors are not POSIX ones.

namespace halvex {

void occupyClosedStandardDescriptors();

} // namespace halvex
