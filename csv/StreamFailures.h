#pragma once

// Thrown when a command's input cannot be read to its end or its output cannot
// be written; the command line turns either into exit status 2 and a message.

namespace halvex {

struct ReadFailure {};
struct WriteFailure {};

} // namespace halvex
