#include "SourceFiles.h"

#include <cstdlib>

namespace vq::test {

std::string SourceFile(const std::string& relative) {
    const char* copy = std::getenv("VQ_SOURCE_DIR");
    const std::string top = copy != nullptr && *copy != '\0' ? copy : VQ_SOURCE_DIR;
    return top + "/" + relative;
}

}  // namespace vq::test
