#include "TestFiles.h"

#include <QStringEncoder>
#include <QtGlobal>

namespace vqtest {

QByteArray Join(const QStringList& lines, const QByteArray& lineBreak, bool finalBreak) {
    QByteArray out;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        out += lines[i].toUtf8();
        if (i + 1 < lines.size() || finalBreak)
            out += lineBreak;
    }
    return out;
}

QStringList Lines(int n, const QString& prefix) {
    QStringList lines;
    for (int i = 0; i < n; ++i)
        lines << QStringLiteral("%1%2=%2").arg(prefix).arg(i);
    return lines;
}

QByteArray TenLines() {
    QByteArray out = "[Section]\r\n";
    for (int i = 1; i < 10; ++i)
        out += "key" + QByteArray::number(i) + "=" + QByteArray::number(i) + "\r\n";
    return out;
}

QByteArray Gb18030(const QString& text) {
    QStringEncoder encoder("GB18030");
    QByteArray bytes = encoder.encode(text);
    if (encoder.hasError())
        qFatal("GB18030 cannot hold the fixture text");
    return bytes;
}

QString Missing(const QString& path) { return QStringLiteral("文件 \"%1\" 不存在！").arg(path); }
QString SaveFailed(const QString& path, const QString& reason) {
    return QStringLiteral("保存文件 \"%1\" 失败！\n%2").arg(path, reason);
}
QString OpenLogEntry(const QString& path) { return QStringLiteral("(-1)打开文件:\"%1\"").arg(path); }

}  // namespace vqtest
