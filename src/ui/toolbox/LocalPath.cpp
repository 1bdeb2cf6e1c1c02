#include "ui/toolbox/LocalPath.h"

#include "core/text/TextLines.h"
#include "core/text/Utf8.h"

#include <QStringDecoder>
#include <QUrl>

#include <filesystem>

namespace vq {

namespace {

constexpr char16_t kEscapeBase = 0xDC00;  // a byte b >= 0x80 outside UTF-8 is U+DC00 + b

bool IsEscapedByte(char16_t c) { return c >= kEscapeBase + 0x80 && c <= kEscapeBase + 0xFF; }

}  // namespace

QString PathText(std::string_view bytes) {
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size()));
    char32_t c = 0;
    for (size_t i = 0; i < bytes.size();) {
        const size_t n = Utf8SequenceAt(bytes.substr(i), c);
        if (n == 0) {
            text += QChar(static_cast<char16_t>(kEscapeBase + static_cast<unsigned char>(bytes[i])));
            ++i;
            continue;
        }
        text += QString::fromUcs4(&c, 1);
        i += n;
    }
    return text;
}

std::string LocalPath(const QString& path) {
    std::string bytes;
    bytes.reserve(static_cast<size_t>(path.size()));
    qsizetype runStart = 0;
    const auto flushRun = [&](qsizetype end) {
        if (end > runStart)
            bytes += QStringView(path).mid(runStart, end - runStart).toUtf8().toStdString();
    };
    for (qsizetype i = 0; i < path.size(); ++i) {
        const char16_t c = path[i].unicode();
        if (!IsEscapedByte(c))
            continue;
        flushRun(i);
        bytes += static_cast<char>(c - kEscapeBase);
        runStart = i + 1;
    }
    flushRun(path.size());
    return bytes;
}

QString ShownBytes(std::string_view bytes, const QString& legacyCodePage) {
    QString shown;
    size_t start = 0;
    while (start <= bytes.size()) {
        size_t end = bytes.find('/', start);
        if (end == std::string_view::npos)
            end = bytes.size();
        const std::string_view part = bytes.substr(start, end - start);
        const QByteArray partBytes(part.data(), static_cast<qsizetype>(part.size()));
        if (IsValidUtf8(part)) {
            shown += QString::fromUtf8(partBytes);
        } else {
            QStringDecoder legacy(legacyCodePage.toLatin1().constData(), QStringDecoder::Flag::Stateless);
            shown += legacy.isValid() ? legacy.decode(partBytes) : QString::fromUtf8(partBytes);
        }
        if (end == bytes.size())
            break;
        shown += QLatin1Char('/');
        start = end + 1;
    }
    return shown;
}

QString ShownPath(const QString& path, const QString& legacyCodePage) {
    return ShownBytes(LocalPath(path), legacyCodePage);
}

// A URL keeps percent-encoded bytes that are not UTF-8 in its encoded form only.
QString PathOfUrl(const QUrl& url) {
    if (!url.isLocalFile())
        return {};
    const QByteArray encoded = url.path(QUrl::FullyEncoded).toLatin1();
    return PathText(QByteArray::fromPercentEncoding(encoded).toStdString());
}

QStringList ArgumentsOf(const std::vector<std::string>& parameters) {
    QStringList arguments;
    for (const std::string& parameter : parameters)
        arguments << PathText(parameter);
    return arguments;
}

bool PathExists(const QString& path) {
    std::error_code error;
    const auto status = std::filesystem::symlink_status(std::filesystem::path(LocalPath(path)), error);
    return !error && status.type() != std::filesystem::file_type::not_found;
}

QString SaveAsPath(const QString& chosen, const QString& defaultSuffix) {
    if (chosen.isEmpty() || defaultSuffix.isEmpty() || PathExists(chosen))
        return chosen;
    const QString name = chosen.mid(chosen.lastIndexOf(QLatin1Char('/')) + 1);
    return name.contains(QLatin1Char('.')) ? chosen : chosen + QLatin1Char('.') + defaultSuffix;
}

QString AbsolutePath(const QString& path) {
    if (path.isEmpty())
        return path;
    // On the bytes: the current folder's name may not be UTF-8 either.
    std::error_code error;  // no current folder: the path stays as it is
    std::filesystem::path p = std::filesystem::absolute(std::filesystem::path(LocalPath(path)), error);
    if (error)
        return path;
    p = p.lexically_normal();
    if (!p.has_filename() && p.has_parent_path() && p != p.root_path())
        p = p.parent_path();
    return PathText(p.native());
}

}  // namespace vq
