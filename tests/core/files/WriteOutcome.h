#pragma once

#include "core/files/FileErrorText.h"
#include "core/files/SafeWrite.h"

#include <ostream>
#include <string>

namespace vq {

// Failure messages of the tests show an error as the user would read it.
inline void PrintTo(const FileError& error, std::ostream* os) {
    *os << "{" << static_cast<int>(error.problem) << ", " << error.code << ": " << ReasonText(error) << "}";
}

}  // namespace vq

namespace vq::test {

// "ok", or "failed: " with the reason and any kept copy, to compare in one line.
inline std::string Outcome(const vq::WriteResult& result) {
    if (result.ok)
        return "ok";
    std::string text = "failed: " + vq::ReasonText(result.error);
    if (!result.keptCopy.empty())
        text += " kept " + result.keptCopy;
    return text;
}

inline std::string FailedWith(int err) { return "failed: " + vq::ReasonText(vq::FileError::System(err)); }

}  // namespace vq::test
