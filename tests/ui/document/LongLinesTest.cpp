// A file of one very long line: every view shows the start of it with "…" and keeps the window
// responsive, while the document keeps every byte and saving writes them all back.
#include "MainWindowFixture.h"

#include "ui/document/RowModel.h"
#include "ui/document/ShownLine.h"

#include <QElapsedTimer>
#include <QTest>

using namespace vqtest;

class TestLongLines : public QObject {
    Q_OBJECT
private slots:
    void tenMegabyteLine_data();
    void tenMegabyteLine();
};

void TestLongLines::tenMegabyteLine_data() {
    QTest::addColumn<QByteArray>("head");
    QTest::addColumn<QByteArray>("filler");
    QTest::newRow("ASCII key line") << QByteArray("key=") << QByteArray("v");
    QTest::newRow("UTF-8 key line") << QStringLiteral("键=").toUtf8() << QStringLiteral("值").toUtf8();
}

void TestLongLines::tenMegabyteLine() {
    QFETCH(QByteArray, head);
    QFETCH(QByteArray, filler);
    constexpr qsizetype kBytes = 10 * 1024 * 1024;
    const QByteArray line = head + filler.repeated(kBytes / filler.size());
    const QByteArray file = "[big]\r\n" + line + "\r\n";
    const qsizetype lineChars = QString::fromUtf8(line).size();

    MainWindowFixture f;
    const QString path = f.writeFile("long.ini", file);
    f.platform.queueYesNoCancel(vq::Platform::Answer::No);  // the size question: open it here anyway
    QElapsedTimer clock;
    clock.start();
    f.start({path});
    QCOMPARE(f.list()->model()->rowCount(), 2);
    f.show();
    // Paint every view as the screen would.
    f.list()->viewport()->repaint();
    f.tree()->viewport()->repaint();
    f.text()->viewport()->repaint();
    const qint64 shownMs = clock.elapsed();
    qInfo("a %lld-byte line loaded and painted in %lld ms", static_cast<long long>(line.size()),
          static_cast<long long>(shownMs));
    QVERIFY2(shownMs < 2000, qPrintable(QStringLiteral("%1 ms").arg(shownMs)));

    // The list shows the start and "…"; the edit gets the whole line; the tip a sensible part.
    const QModelIndex row = f.list()->model()->index(1, 0);
    const QString shown = row.data(Qt::DisplayRole).toString();
    QCOMPARE(shown.size(), vq::kMaxShownLineChars + 1);
    QVERIFY(shown.endsWith(QChar(0x2026)));
    QVERIFY(shown.startsWith(QString::fromUtf8(head)));
    QCOMPARE(row.data(Qt::EditRole).toString().size(), lineChars);
    const QString tip = row.data(Qt::ToolTipRole).toString();
    QVERIFY(tip.size() <= vq::kMaxTipChars + 1 && tip.endsWith(QChar(0x2026)));
    QCOMPARE(f.list()->model()->index(1, 1).data(Qt::DisplayRole).toString(), shown);

    // The tree's node for the key line is cut the same way.
    QStringList outline = f.treeOutline();
    QVERIFY(!outline.isEmpty());
    bool nodeCut = false;
    for (const QString& node : outline)
        nodeCut = nodeCut || (node.trimmed().startsWith(QString::fromUtf8(head)) && node.endsWith(QChar(0x2026)) &&
                              node.trimmed().size() <= vq::kMaxShownLineChars + 1);
    QVERIFY(nodeCut);

    // The target text counts the whole line: its end is where the caret goes with End.
    QCOMPARE(f.text()->lineLength(1), lineChars);
    f.text()->setCaret({1, 0});
    QTest::keyClick(f.text(), Qt::Key_End);
    QCOMPARE(f.text()->caret(), (vq::TextPoint{1, lineChars}));

    // Every byte goes back to the file.
    QVERIFY(f.files().SaveDocument(vq::SaveMode::Save));
    QCOMPARE(MainWindowFixture::readBytes(path), file);
    f.destroy();
}

QTEST_MAIN(TestLongLines)
#include "LongLinesTest.moc"
