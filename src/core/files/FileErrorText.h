#pragma once

// The one place where file errors become texts for the user: the program's first line, then
// the reason, in the program's language where it has words for it, else the system's.

#include "core/files/FileError.h"

#include <string>

namespace vq {

struct WriteResult;

// The reason alone.
std::string ReasonText(const FileError& error);

// "打开文件 "PATH" 失败！" and the reason on the next line.
std::string OpenErrorMessage(const std::string& path, const FileError& error);

// "保存文件 "PATH" 失败！", the reason on the next line, and where the new content is kept
// when the file itself may be damaged.
std::string SaveErrorMessage(const std::string& path, const WriteResult& result);

}  // namespace vq
