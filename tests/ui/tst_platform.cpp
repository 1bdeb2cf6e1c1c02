// The desktop side of the platform layer: what can be checked without starting anything.
#include "app/QtPlatform.h"

#include "Texts.h"

#include <QTest>

class TestPlatform : public QObject {
    Q_OBJECT
private slots:
    void filtersReadByQtDialogs();
    void missingProgramIsNotFound();
    void missingDocumentIsNotFound();
    void textEditorIsNamed();
    void clockMoves();
};

// Qt's file dialogs take the patterns from the last parentheses, separated by blanks.
void TestPlatform::filtersReadByQtDialogs() {
    vq::FileDialogSettings settings;
    for (const auto& [description, pattern] : vq::texts::kOpenFilters)
        settings.filters.append({QString::fromStdString(description), QString::fromStdString(pattern)});
    const QStringList filters = vq::QtFilterList(settings);
    QCOMPARE(filters.size(), 6);
    QCOMPARE(filters.first(), QString("Supported Files(*.ini;*.inf;*.conf;*.txt) (*.ini *.inf *.conf *.txt)"));
    QCOMPARE(filters.last(), QString("All Files(*.*) (*.*)"));
}

void TestPlatform::missingProgramIsNotFound() {
    vq::QtPlatform platform;
    QCOMPARE(platform.startProgram("no-such-program-vq", {"x"}), vq::Platform::StartResult::NotFound);
}

void TestPlatform::missingDocumentIsNotFound() {
    vq::QtPlatform platform;
    QCOMPARE(platform.openDocument("/no/such/folder/readme.txt"), vq::Platform::StartResult::NotFound);
}

void TestPlatform::textEditorIsNamed() {
    vq::QtPlatform platform;
    QVERIFY(!platform.textEditor().isEmpty());
}

void TestPlatform::clockMoves() {
    vq::QtPlatform platform;
    const quint32 start = platform.tickCount();
    QTRY_VERIFY(platform.tickCount() - start >= 15);
}

QTEST_MAIN(TestPlatform)
#include "tst_platform.moc"
