// Every text stays readable under any colour scheme: wherever the program sets a background it
// sets the text colour drawn on it, and the other way round. Measured on the pixels painted under
// a dark scheme, and under the default one for the disabled title-sign box.
#include "ListGestures.h"
#include "PaintedColours.h"

#include "ui/about/AboutController.h"
#include "ui/about/TAboutBox.h"

#include <QApplication>
#include <QLabel>
#include <QTest>

using namespace vqtest;

namespace {

// Readable: a contrast of 2.5:1 at least. The program's own pairs are all above it (the lowest,
// teal on the sky blue of an inserted comment, about 2.8:1); a text left to the scheme on a
// background of ours, or the other way round, falls to 1.0 to 1.9.
constexpr double kReadable = 2.5;

QString Contrast(double ratio) { return QString::number(ratio, 'f', 2) + ":1"; }

// Every index of the model whose text colour or background is set has both, and they are readable.
void CheckRolePairs(const QAbstractItemModel* model, const QModelIndex& parent = {}) {
    for (int row = 0; row < model->rowCount(parent); ++row) {
        for (int column = 0; column < model->columnCount(parent); ++column) {
            const QModelIndex index = model->index(row, column, parent);
            const QVariant background = index.data(Qt::BackgroundRole);
            const QVariant text = index.data(Qt::ForegroundRole);
            const QString where = index.data().toString();
            QVERIFY2(background.isValid() == text.isValid(), qPrintable("one colour without the other: " + where));
            if (text.isValid()) {
                const double ratio = ContrastRatio(background.value<QBrush>().color(), text.value<QBrush>().color());
                QVERIFY2(ratio >= kReadable, qPrintable(where + " " + Contrast(ratio)));
            }
        }
        CheckRolePairs(model, model->index(row, 0, parent));
    }
}

}  // namespace

class TestColours : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { m_default = QApplication::palette(); }
    void init() { QApplication::setPalette(DarkPalette()); }
    void cleanup() { QApplication::setPalette(m_default); }
    void contentListRows();
    void treeNodeOfADeletedRow();
    void targetText();
    void titleSignBox_data();
    void titleSignBox();
    void aboutBoxLabels();

private:
    QPalette m_default;
};

// Rows in every state a user gives them: from the file, commented, edited in place, inserted.
void TestColours::contentListRows() {
    MainWindowFixture f;
    f.start({f.writeFile("a.ini", "[s]\r\n;c=0\r\nk0=0\r\nk1=1\r\nk2=2\r\n")});
    QVERIFY(f.showActive());
    ClickRow(f, 3);
    ClickMenuItem(f, "mnuEdit", "N6");
    ClickRow(f, 4);
    QTest::keyClick(ListView(f), Qt::Key_F2);
    QLineEdit* editor = OpenedRowEditor(f);
    QVERIFY(editor);
    QTest::keyClicks(editor, "k2=3");
    QTest::keyClick(editor, Qt::Key_Return);
    QTRY_COMPARE(f.column(0).at(4), QString("k2=3"));
    QVERIFY(WithInsertDialog(f, "actInsertLineDn", [](vq::TfrmInsert& d) {
        TypePlainLines(d, {"new=1", ";new=2"});
        ClickOk(d);
    }));
    QCOMPARE(f.column(0), QStringList({"[s]", ";c=0", "k0=0", ";k1=1", "k2=3", "new=1", ";new=2"}));
    ClickRow(f, 0);
    CheckRolePairs(f.list()->model());
    if (QTest::currentTestFailed())
        return;
    const QImage shown = f.list()->viewport()->grab().toImage();
    const QStringList states{"commented in the file", "from the file", "commented by the user",
                             "edited in place",       "inserted",      "inserted comment"};
    for (int row = 1; row <= 6; ++row) {
        const QRect caption = f.list()->visualRect(f.list()->model()->index(row, 0)).adjusted(22, 0, 0, 0);
        const double ratio = TextContrast(shown, caption);
        QVERIFY2(ratio >= kReadable, qPrintable(states[row - 1] + " " + Contrast(ratio)));
    }
}

// A node whose row was deleted is drawn red, on a background of its own.
void TestColours::treeNodeOfADeletedRow() {
    MainWindowFixture f;
    f.start({f.writeFile("a.ini", "[s]\r\nk0=0\r\nk1=1\r\n")});
    QVERIFY(f.showActive());
    ClickRow(f, 1);
    ClickMenuItem(f, "mnuEdit", "mnuDelLine");
    QTRY_COMPARE(f.column(0), QStringList({"[s]", "k1=1"}));
    CheckRolePairs(f.tree()->model());
    if (QTest::currentTestFailed())
        return;
    f.tree()->expandAll();
    const QModelIndex node = f.tree()->model()->index(0, 0, f.tree()->model()->index(0, 0));
    QCOMPARE(node.data().toString(), QString("k0=0"));
    const QImage shown = f.tree()->viewport()->grab().toImage();
    const double ratio = TextContrast(shown, f.tree()->visualRect(node).adjusted(20, 0, 0, 0));
    QVERIFY2(ratio >= kReadable, qPrintable(Contrast(ratio)));
}

void TestColours::targetText() {
    MainWindowFixture f;
    f.start({f.writeFile("a.ini", "[section]\r\nkey=value\r\n")});
    QVERIFY(f.showActive());
    const QImage shown = f.text()->viewport()->grab().toImage();
    const double ratio = TextContrast(shown, QRect(0, 0, 80, f.text()->lineHeight()));
    QVERIFY2(ratio >= kReadable, qPrintable(Contrast(ratio)));
}

// The title-sign box white while it can be typed in, silver when the title type leaves it no use
// (pattern 1), its sign readable either way, under the default scheme too.
void TestColours::titleSignBox_data() {
    QTest::addColumn<bool>("dark");
    QTest::addColumn<QString>("pattern");
    QTest::newRow("dark scheme, php.ini pattern") << true << "mnuPtn2";
    QTest::newRow("dark scheme, *.ini pattern (box disabled)") << true << "mnuPtn1";
    QTest::newRow("default scheme, *.ini pattern (box disabled)") << false << "mnuPtn1";
}

void TestColours::titleSignBox() {
    QFETCH(bool, dark);
    QFETCH(QString, pattern);
    if (!dark)
        QApplication::setPalette(m_default);
    MainWindowFixture f;
    f.start();
    QVERIFY(f.showActive());
    ClickMenuItem(f, "mnuOptions", pattern.toLatin1());
    auto* box = f.find<QComboBox>("cboTitleSign");
    QCOMPARE(box->isEnabled(), pattern != "mnuPtn1");
    QCOMPARE(box->currentText(), QString(";;;;;;"));
    const QImage shown = box->lineEdit()->grab().toImage();
    const double ratio = TextContrast(shown, box->lineEdit()->rect());
    QVERIFY2(ratio >= kReadable, qPrintable(Contrast(ratio)));
}

// The About box's own silver panels and their labels, opened from the Help menu.
void TestColours::aboutBoxLabels() {
    MainWindowFixture f;
    f.start();
    QVERIFY(f.showActive());
    ClickMenuItem(f, "mnuHelp", "mnuAbout");
    vq::TAboutBox* box = f.window().about().aboutBox();
    QVERIFY(box);
    QTRY_VERIFY(box->isVisible());
    for (const char* name :
         {"ProductName1", "Version", "Author", "Label1", "Author1", "Company", "Copyright", "Comments", "lblIntro"}) {
        auto* label = box->findChild<QWidget*>(name);
        QVERIFY2(label, name);
        const QImage shown = label->grab().toImage();
        const double ratio = TextContrast(shown, label->rect());
        QVERIFY2(ratio >= kReadable, qPrintable(QString(name) + " " + Contrast(ratio)));
    }
    box->close();
}

QTEST_MAIN(TestColours)
#include "ColoursTest.moc"
