#pragma once

#include "core/files/ProgramFiles.h"
#include "ui/toolbox/LocalPath.h"

#include <QCoreApplication>
#include <QFile>
#include <QString>

namespace vq {

// A file or folder of the program's own ("Samples", the help page, "Readme.txt"): beside the
// executable in a build tree or a portable copy, else under ../share/varnoquil when installed.
// When it is in neither place, the path beside the executable, for the message that says so.
inline QString ProgramFile(const QString& name) {
    return QFile::decodeName(
        QByteArray::fromStdString(FindProgramFile(LocalPath(QCoreApplication::applicationDirPath()), LocalPath(name))));
}

}  // namespace vq
