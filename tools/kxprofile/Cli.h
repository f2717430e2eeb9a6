#pragma once
// The command line of kxprofile.

#include <iosfwd>

namespace kx::tool {

// Runs kxprofile with the arguments (argv[0] the program), writing its results to out and its
// messages to err. Returns the exit status: 0 success, 1 a file that cannot be read or written,
// 2 a usage error.
int Run(int argc, const char* const* argv, std::ostream& out, std::ostream& err);

}  // namespace kx::tool
