#pragma once

#include <QFile>
#include <QString>

#include <string>

namespace vq {

// The bytes of a path as the file system takes them.
inline std::string LocalPath(const QString& path) { return QFile::encodeName(path).toStdString(); }

}  // namespace vq
