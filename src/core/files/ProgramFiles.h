#pragma once

// Where the program's own files (samples, help page, read-me) are: beside the executable in a
// build tree or a portable copy, or under ../share/varnoquil when installed with a prefix.

#include <string>
#include <vector>

namespace vq {

// The folder of the running executable, empty when the system does not say.
std::string ExecutableFolder();

// The places a program file of this name may be, in the order they are tried.
std::vector<std::string> ProgramFileCandidates(const std::string& executableFolder, const std::string& name);

// The first candidate that exists (a file or a folder); the one beside the executable when none
// does, so that a message can name where the file was expected.
std::string FindProgramFile(const std::string& executableFolder, const std::string& name);

}  // namespace vq
