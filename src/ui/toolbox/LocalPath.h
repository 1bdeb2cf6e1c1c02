#pragma once

#include <QString>
#include <QStringList>

#include <string>
#include <string_view>
#include <vector>

class QUrl;

namespace vq {

// Paths inside the window are QStrings that carry the file system's bytes exactly. A Linux file
// name is any bytes; one copied from Windows is often GBK, which is not UTF-8 and which Qt's own
// conversions turn into U+FFFD, so that the file can no longer be found. PathText keeps every byte
// that is not part of valid UTF-8 as a lone surrogate U+DC80-U+DCFF, and LocalPath gives it back.
// Such a text is for the program's own use; ShownPath is what the user reads.

// The bytes of a path as the file system takes them.
std::string LocalPath(const QString& path);
// A path's bytes as a path text; LocalPath(PathText(b)) == b for any bytes b.
QString PathText(std::string_view bytes);

// A path for the eye: each part of it between slashes as UTF-8 when it is, otherwise decoded in
// the legacy code page (where a file name from Windows comes from). What even that cannot read
// shows as U+FFFD.
QString ShownPath(const QString& path, const QString& legacyCodePage = QStringLiteral("GB18030"));
// The same for bytes that hold a path, such as the window caption.
QString ShownBytes(std::string_view bytes, const QString& legacyCodePage = QStringLiteral("GB18030"));

// The path of a local file URL (a drop, a dialog's choice) with its bytes, or an empty text for
// any other URL.
QString PathOfUrl(const QUrl& url);

// The window's command-line parameters, each as a path text.
QStringList ArgumentsOf(const std::vector<std::string>& parameters);

// The path Save As writes for the name chosen in the save dialog: the default extension is added
// only to a new name without one; an existing file is written under its own name, even when that
// has no extension (hosts, sshd_config).
QString SaveAsPath(const QString& chosen, const QString& defaultSuffix);
// True when something of that name exists, a dangling symbolic link too.
bool PathExists(const QString& path);

// A path taken from the command line or elsewhere, absolute and without "." or "..", so that the
// caption and the recent-file list name the file wherever the program runs from. An empty path
// stays empty (it names no file, not the current folder).
QString AbsolutePath(const QString& path);

}  // namespace vq
