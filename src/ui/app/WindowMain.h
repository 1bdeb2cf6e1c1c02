#pragma once

#include <string>
#include <vector>

namespace vq {

// Starts the window and runs it until it closes; returns the exit status. `program` is main()'s
// argv[0]; `files` are the command-line parameters for the window (the file to open).
int RunWindow(char* program, const std::vector<std::string>& files);

}  // namespace vq
