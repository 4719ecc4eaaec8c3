#pragma once

#include <string>
#include <vector>

#include <sys/types.h>

// Starts a program as a child process that dies with this program (parent-death signal),
// with standard input and output on /dev/null, none of this program's other file
// descriptors, and the umask 077, so that what it makes is its owner's only. A failed exec is reported back through a close-on-exec pipe, so that a
// program that cannot be run fails here rather than as a process that ends at once.
namespace ChildProcessSpawn {

// arguments[0] is the program. Returns the child's process id; throws OfficeError naming
// the cause when the child cannot be made or the program cannot be run.
pid_t start(const std::vector<std::string> &arguments, const std::vector<std::string> &environment);

} // namespace ChildProcessSpawn
