#pragma once

// Files of the source tree that the core tests read: the fixtures under tests/data and the
// game's sounds. They are found below $VQ_SOURCE_DIR when that is set (the unprivileged run
// gives a copy that an ordinary user can read, wherever the checkout lies), else in the tree the
// tests were built from.

#include <string>

namespace vq::test {

// The path of a file given relative to the top of the source tree.
std::string SourceFile(const std::string& relative);

}  // namespace vq::test
