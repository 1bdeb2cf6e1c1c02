#pragma once

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>

#include <string>

namespace vq {

// The bytes of a path as the file system takes them.
inline std::string LocalPath(const QString& path) { return QFile::encodeName(path).toStdString(); }

// A path taken from the command line or elsewhere, absolute and without "." or "..", so that the
// caption and the recent-file list name the file wherever the program runs from. An empty path
// stays empty (it names no file, not the current folder).
inline QString AbsolutePath(const QString& path) {
    return path.isEmpty() ? path : QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

}  // namespace vq
