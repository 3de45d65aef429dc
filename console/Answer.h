#pragma once

#include <iosfwd>

#include "Options.h"

// Answers the files as the options ask: CSV on `out`, one line a problem on `err`. Returns the
// exit status: 1 when a line was bad or a file could not be read, 0 otherwise.
int Answer(const Options& options, std::istream& standardInput, std::ostream& out,
           std::ostream& err);
