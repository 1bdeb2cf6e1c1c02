#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace vqtest {

// Lines joined by one break, with or without a break after the last line.
QByteArray Join(const QStringList& lines, const QByteArray& lineBreak = "\r\n", bool finalBreak = true);

// n key lines "k0=0", "k1=1", ... with the prefix in place of "k".
QStringList Lines(int n, const QString& prefix = QStringLiteral("k"));

// A section header and nine key lines, "key1=1" to "key9=9".
QByteArray TenLines();

// Turns text into the bytes of a legacy Chinese file (GB18030, a superset of GBK).
QByteArray Gb18030(const QString& text);

// The program's messages about a path.
QString Missing(const QString& path);
// The first line names the path, the next one says why.
QString SaveFailed(const QString& path, const QString& reason);
QString OpenLogEntry(const QString& path);

}  // namespace vqtest
