#pragma once

// What the tests of opening, saving, New and closing share: a php.ini-like file, files of a given
// size, the texts a panel showed, and the program's texts they expect.

#include "MainWindowFixture.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

using namespace vqtest;
using Answer = vq::Platform::Answer;
using StartResult = vq::Platform::StartResult;

inline const QStringList kPhpLines = {
    "[PHP]",                  // 0
    ";;;;;;",                 // 1
    "; Paths part",           // 2
    ";;;;;;",                 // 3
    "engine = On",            // 4
    ";short_open_tag = Off",  // 5
    "",                       // 6
    "[Database]",             // 7
    "host=local",             // 8
    ";port=3306",             // 9
};

// Key lines up to exactly `size` bytes.
inline QByteArray SizedFile(qsizetype size) {
    QByteArray bytes;
    bytes.reserve(size + 64);
    for (int i = 0; bytes.size() < size; ++i)
        bytes += "key" + QByteArray::number(i) + "=value " + QByteArray::number(i) + "\r\n";
    bytes.truncate(size);
    return bytes;
}

// The texts a panel showed: a text painted again (the window repaints while a load runs) counts
// once.
inline QStringList Shown(const QStringList& painted) {
    QStringList out;
    for (const QString& text : painted)
        if (out.isEmpty() || out.last() != text)
            out << text;
    return out;
}

inline const QString kNoSuchFile = QStringLiteral("文件或文件夹不存在。");
inline const QString kIsAFolder = QStringLiteral("这是一个文件夹。");
inline const QString kSaveQuestion = QStringLiteral("文件已改变, 要保存吗?");
