// The settings file as the real window reads it at start and writes it at close, the recent-file
// submenu, and the configuration dialog driven with clicks and keys.
#include "MainWindowFixture.h"

#include "ui/settings/RecentMenu.h"
#include "ui/settings/SignToolBar.h"
#include "ui/settings/TfrmOption.h"
#include "ui/toolbox/LocalPath.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QToolButton>

using namespace vqtest;

class TestSettings : public QObject {
    Q_OBJECT
private slots:
    void init() { m_f = std::make_unique<MainWindowFixture>(); }
    void cleanup() {
        m_f->destroy();
        m_f.reset();
    }
    void firstRunWithoutFile();
    void preparedFileIsRead();
    void junkFileGivesDefaults();
    void recentSubmenuOffersAndOpens();
    void recentItemsBeepAndDropMissingFiles();
    void relativeCommandLinePathIsStoredAbsolute();
    void dialogShowsTheWindowsSettings();
    void dialogOkTakesEverythingOver();
    void dialogKeepsItsSizeWhateverTheSigns();
    void dialogCancelTakesNothingOver_data();
    void dialogCancelTakesNothingOver();
    void dialogProtectsBuiltInSigns_data();
    void dialogProtectsBuiltInSigns();
    void lowerCountKeepsTheMostRecent();
    void settingsSurviveARestart();
    void languageChosenForTheNextStart();
    void unwritableFileIsReportedOnceAndTheWindowCloses();
    void readOnlyFileIsReadAndTheSettingsGoElsewhere();
    void longListComesBackWhole();

private:
    QString settingsPath() const { return m_f->path("tolvry.ini"); }
    QByteArray settingsFile() const { return MainWindowFixture::readBytes(settingsPath()); }
    QStringList boxItems(const char* name) const;
    QStringList recentPaths() const;
    // Opens "最近使用的文件" as a user would, then returns its visible items' captions.
    QStringList openRecentSubmenu();
    QMenu* recentSubmenu() const { return m_f->find<QMenu>("mnuRecentMenus"); }
    void clickRecentItem(const char* name);
    // Runs the configuration dialog; `act` works it and ends it.
    void runDialog(std::function<void(vq::TfrmOption*)> act);
    // Closes the window as the user does; the settings are written then.
    void closeWindow();
    static void click(QWidget* dialog, const char* name) {
        auto* widget = dialog->findChild<QAbstractButton*>(name);
        QVERIFY2(widget, name);
        // Near the left edge: a check box takes clicks only on its mark and its text.
        QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(std::min(10, widget->width() / 2), widget->height() / 2));
    }

    std::unique_ptr<MainWindowFixture> m_f;
};

QStringList TestSettings::boxItems(const char* name) const {
    QStringList items;
    const QComboBox* box = m_f->find<QComboBox>(name);
    for (int i = 0; i < box->count(); ++i)
        items << box->itemText(i);
    return items;
}

QStringList TestSettings::recentPaths() const {
    QStringList out;
    for (const std::string& p : m_f->window().recentFiles().paths())
        out << QString::fromStdString(p);
    return out;
}

QStringList TestSettings::openRecentSubmenu() {
    QMenu* file = m_f->find<QMenu>("mnuFile");
    file->popup(m_f->window().mapToGlobal(QPoint(10, 10)));
    QMenu* recent = recentSubmenu();
    recent->popup(file->geometry().topRight());
    if (!QTest::qWaitForWindowExposed(recent))
        qWarning("the submenu was not exposed");
    QStringList captions;
    for (QAction* item : recent->actions())
        if (item->isVisible())
            captions << item->text();
    return captions;
}

void TestSettings::clickRecentItem(const char* name) {
    QMenu* recent = recentSubmenu();
    QAction* item = recent->findChild<QAction*>(name);
    QVERIFY2(item && item->isVisible(), name);
    QTest::mouseClick(recent, Qt::LeftButton, {}, recent->actionGeometry(item).center());
}

void TestSettings::runDialog(std::function<void(vq::TfrmOption*)> act) {
    bool ran = false;
    OnNextModal([&](QWidget* modal) {
        ran = true;
        auto* dialog = qobject_cast<vq::TfrmOption*>(modal);
        QVERIFY(dialog);
        act(dialog);
        if (dialog->isVisible())
            dialog->reject();  // a failed check above must not leave the dialog open
    });
    m_f->action("actConfiguration")->trigger();
    QVERIFY(ran);
}

void TestSettings::closeWindow() { QVERIFY(m_f->window().close()); }

void TestSettings::firstRunWithoutFile() {
    vq::TfrmMain& w = m_f->start();
    QCOMPARE(w.recentFiles().count(), 5);
    QVERIFY(w.recentFiles().paths().empty());
    QCOMPARE(w.settings().defaultPattern(), 2);
    QVERIFY(m_f->find<QAction>("mnuPtn2")->isChecked());
    QVERIFY(w.settings().autoExpand());
    const QFont font = m_f->text()->font();
    QCOMPARE(font.family(), QString("宋体"));
    QCOMPARE(font.pointSize(), 9);
    QCOMPARE(w.session().codec().legacyName(), QString("GB18030"));
    QCOMPARE(boxItems("cboRem"), (QStringList{";", "#", " "}));
    QCOMPARE(boxItems("cboSplit"), (QStringList{"=", " "}));
    QCOMPARE(boxItems("cboTitleSign"), (QStringList{";;;;;;", ";;;", "######", "###"}));
    QVERIFY(!QFile::exists(settingsPath()));  // nothing is written before the window closes

    m_f->show();
    closeWindow();
    QCOMPARE(QString::fromUtf8(settingsFile()),
             QString("[General]\nRecent_Count=5\nDefault_Pattern=2\nAuto_Expand=1\nText_Font=宋体,134,-16777208,9,0\n"
                     "Language=zh\n"
                     "[Comment]\n0=;\n1=#\n2=1|_|\n[Split]\n0==\n1=1|_|\n[Title]\n0=;;;;;;\n1=;;;\n2=######\n3=###\n"));
    QVERIFY(m_f->platform.errors().isEmpty());
}

void TestSettings::preparedFileIsRead() {
    QStringList files;
    for (const char* name : {"e.ini", "d.ini", "c.ini", "b.ini", "a.ini"})
        files << m_f->writeFile(name, "[S]\nk=v\n");
    QByteArray ini =
        "; kept\n[General]\nRecent_Count=$3\nDefault_Pattern=3\nAuto_Expand=0\n"
        "Text_Font=DejaVu Sans Mono,136,255,14,1\n[Recent]\n";
    for (int i = 0; i < files.size(); ++i)
        ini += QByteArray::number(i) + "=" + files[i].toUtf8() + "\n";
    ini += "[Comment]\n0=#\n1=//\n[Split]\n0=:\n[Title]\n0= *** \n";
    m_f->writeFile("tolvry.ini", ini);

    vq::TfrmMain& w = m_f->start();
    QCOMPARE(w.recentFiles().count(), 3);
    QCOMPARE(recentPaths(), files);  // all five offered until the next open
    QCOMPARE(w.settings().defaultPattern(), 3);
    QVERIFY(m_f->find<QAction>("mnuPtn3")->isChecked());  // the default pattern was applied
    QCOMPARE(m_f->find<QComboBox>("cboRem")->currentText(), QString("#"));
    QVERIFY(!w.settings().autoExpand());
    QCOMPARE(boxItems("cboRem"), (QStringList{"#", "//"}));
    QCOMPARE(boxItems("cboSplit"), (QStringList{":"}));
    QCOMPARE(boxItems("cboTitleSign"), (QStringList{"***"}));
    const QFont font = m_f->text()->font();
    QCOMPARE(font.family(), QString("DejaVu Sans Mono"));
    QCOMPARE(font.pointSize(), 14);
    QVERIFY(font.bold());
    QCOMPARE(m_f->text()->palette().color(QPalette::Text), QColor(255, 0, 0));
    QCOMPARE(w.session().codec().legacyName(), QString("Big5"));

    // Auto-expand off: selecting a section leaves it closed.
    m_f->show();
    const QString doc = m_f->writeFile("tree.ini", "[One]\na=1\n[Two]\nb=2\n");
    w.files().OpenDocument(doc);
    QTreeView* tree = m_f->tree();
    tree->setCurrentIndex(tree->model()->index(1, 0));
    QVERIFY(!tree->isExpanded(tree->model()->index(1, 0)));
    QCOMPARE(recentPaths(), (QStringList{doc, files[0], files[1]}));  // the open trimmed the list
}

void TestSettings::junkFileGivesDefaults() {
    QByteArray junk;
    for (int i = 0; i < 70000; ++i)
        junk += char((i * 7919) % 256);
    junk += "\n[General]\nRecent_Count=999999999\nDefault_Pattern=-3\nText_Font=,,,,\n";
    m_f->writeFile("tolvry.ini", junk);
    vq::TfrmMain& w = m_f->start();
    QCOMPARE(w.recentFiles().count(), 10);
    QCOMPARE(w.settings().defaultPattern(), 2);
    QVERIFY(m_f->find<QAction>("mnuPtn2")->isChecked());
    QCOMPARE(m_f->text()->font().pointSize(), 9);
    m_f->show();
    closeWindow();
    QVERIFY(settingsFile().startsWith(junk.left(70000)));  // what was there stays
    QVERIFY(settingsFile().contains("Recent_Count=10\n"));
}

void TestSettings::recentSubmenuOffersAndOpens() {
    const QString a = m_f->writeFile("a & b.ini", "[A]\nx=1\n");
    const QString b = m_f->writeFile("b.ini", "[B]\ny=2\n");
    m_f->writeFile("tolvry.ini", "[Recent]\n0=" + a.toUtf8() + "\n1=" + b.toUtf8() + "\n");
    vq::TfrmMain& w = m_f->start();
    m_f->show();
    const QString aCaption = QString(a).replace("&", "&&");
    QCOMPARE(openRecentSubmenu(), (QStringList{aCaption, b}));
    for (const char* name : {"N110", "N22"})
        QVERIFY(m_f->find<QAction>(name)->isEnabled());

    clickRecentItem("N22");
    QTRY_COMPARE(QString::fromStdString(w.document().fileName()), b);
    QCOMPARE(m_f->column(0), (QStringList{"[B]", "y=2"}));
    QCOMPARE(recentPaths(), (QStringList{b, a}));
    QCOMPARE(openRecentSubmenu(), (QStringList{b, aCaption}));
}

void TestSettings::recentItemsBeepAndDropMissingFiles() {
    const QString kept = m_f->writeFile("kept.ini", "a=1\n");
    const QString gone = m_f->path("gone.ini");
    vq::TfrmMain& w = m_f->start();
    m_f->show();
    QCOMPARE(openRecentSubmenu(), (QStringList{"<<无>>"}));
    clickRecentItem("N110");
    QTRY_COMPARE(m_f->platform.beeps(), 1);

    w.recentFiles().assign({gone.toStdString(), kept.toStdString()});
    QCOMPARE(openRecentSubmenu(), (QStringList{gone, kept}));
    clickRecentItem("N110");
    QTRY_COMPARE(m_f->platform.messages(), QStringList{QString("文件 \"%1\" 不存在！").arg(gone)});
    QCOMPARE(recentPaths(), QStringList{kept});
    QCOMPARE(QString::fromStdString(w.document().fileName()), QString("Untitled"));
    QCOMPARE(openRecentSubmenu(), QStringList{kept});
    QCOMPARE(m_f->platform.beeps(), 1);
}

void TestSettings::relativeCommandLinePathIsStoredAbsolute() {
    const QString full = m_f->writeFile("rel.ini", "a=1\n");
    const QString before = QDir::currentPath();
    QDir::setCurrent(m_f->dir());
    vq::TfrmMain& w = m_f->start({"./sub/../rel.ini"});
    QDir::setCurrent(before);
    QCOMPARE(recentPaths(), QStringList{full});
    QCOMPARE(w.windowTitle(), "Varnoquil-" + full);
}

void TestSettings::dialogShowsTheWindowsSettings() {
    m_f->writeFile("tolvry.ini",
                   "[General]\nRecent_Count=4\nDefault_Pattern=1\nAuto_Expand=0\n"
                   "Text_Font=DejaVu Sans,0,,11,\n[Comment]\n0=;\n1=#\n2= 1|_| \n3=//\n");
    m_f->start();
    m_f->show();
    m_f->find<QComboBox>("cboRem")->setEditText("//");
    runDialog([&](vq::TfrmOption* d) {
        QCOMPARE(d->windowTitle(), QString("配置"));
        QCOMPARE(d->findChild<QLineEdit*>("leRecent")->text(), QString("4"));
        QVERIFY(d->findChild<QLineEdit*>("leRecent")->isReadOnly());
        QVERIFY(d->findChild<QRadioButton*>("rgPattern1")->isChecked());
        QVERIFY(!d->findChild<QCheckBox*>("chkAutoExpand")->isChecked());
        auto* rem = d->findChild<QComboBox*>("cboRem");
        QCOMPARE(rem->currentText(), QString("//"));  // the entry the window's box shows
        QCOMPARE(rem->toolTip(), QString("//"));
        QCOMPARE(rem->count(), 4);
        QCOMPARE(d->findChild<QComboBox*>("cboTitle")->count(), 4);
        auto* fontName = d->findChild<QLineEdit*>("leFontName");
        QCOMPARE(fontName->text(), QString("DejaVu Sans"));
        QCOMPARE(fontName->font().family(), QString("DejaVu Sans"));
        QCOMPARE(d->findChild<QLineEdit*>("leFontSize")->text(), QString("11"));
        // Typing into the count does nothing; the arrow keys change it.
        auto* upDown = d->findChild<QSpinBox*>("UpDownRecent");
        QTest::keyClicks(d->findChild<QLineEdit*>("leRecent"), "9");
        QCOMPARE(upDown->value(), 4);
        for (int i = 0; i < 12; ++i)
            QTest::keyClick(upDown, Qt::Key_Up);
        QCOMPARE(upDown->value(), 10);
        QTest::keyClick(d, Qt::Key_Escape);
        QVERIFY(!d->isVisible());
    });
    QCOMPARE(m_f->window().recentFiles().count(), 4);
}

void TestSettings::dialogOkTakesEverythingOver() {
    vq::TfrmMain& w = m_f->start();
    m_f->show();
    const QString a = m_f->writeFile("a.ini", "a=1\n");
    w.files().OpenDocument(a);
    QComboBox* rem = m_f->find<QComboBox>("cboRem");
    w.signToolBar().setHistoryTexts(vq::SignBox::Rem, {";", "#", " ", "//", "--"});
    rem->setEditText("//");
    m_f->platform.queueFont(QFont("DejaVu Serif", 15));

    runDialog([&](vq::TfrmOption* d) {
        auto* box = d->findChild<QComboBox*>("cboRem");
        QCOMPARE(box->currentText(), QString("//"));
        click(d, "sbDelRem");
        QCOMPARE(box->currentText(), QString("--"));  // the entry after it is selected
        click(d, "sbClearRecent");
        QTest::keyClick(d->findChild<QSpinBox*>("UpDownRecent"), Qt::Key_Down);
        click(d, "rgPattern0");
        click(d, "chkAutoExpand");
        click(d, "sbSetFont");
        QCOMPARE(d->findChild<QLineEdit*>("leFontName")->text(), QString("DejaVu Serif"));
        QCOMPARE(d->findChild<QLineEdit*>("leFontSize")->text(), QString("15"));
        click(d, "bbtnOK");
    });
    QCOMPARE(boxItems("cboRem"), (QStringList{";", "#", " ", "--"}));
    QCOMPARE(rem->currentText(), QString("//"));  // the box's text and the sign stay
    QCOMPARE(QString::fromStdString(w.signToolBar().settings().remSign), QString("//"));
    QVERIFY(recentPaths().isEmpty());
    QCOMPARE(w.recentFiles().count(), 4);
    QCOMPARE(w.settings().defaultPattern(), 0);
    QVERIFY(m_f->find<QAction>("mnuPtn2")->isChecked());  // the current pattern stays until the next start
    QVERIFY(!w.settings().autoExpand());
    QCOMPARE(m_f->text()->font().family(), QString("DejaVu Serif"));
    QCOMPARE(m_f->text()->font().pointSize(), 15);
    QCOMPARE(openRecentSubmenu(), QStringList{"<<无>>"});
    QCOMPARE(m_f->platform.beeps(), 0);
}

void TestSettings::dialogCancelTakesNothingOver_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("cancel button") << "bbtnCancel";
    QTest::newRow("escape") << "Escape";
    QTest::newRow("close button") << "close";
}

void TestSettings::dialogCancelTakesNothingOver() {
    QFETCH(QString, how);
    vq::TfrmMain& w = m_f->start();
    m_f->show();
    const QString a = m_f->writeFile("a.ini", "a=1\n");
    w.files().OpenDocument(a);
    w.signToolBar().setHistoryTexts(vq::SignBox::TitleSign, {";;;;;;", ";;;", "######", "###", "==="});
    m_f->find<QComboBox>("cboTitleSign")->setEditText("===");
    m_f->platform.queueFont(QFont("DejaVu Serif", 15));
    runDialog([&](vq::TfrmOption* d) {
        click(d, "sbDelTitle");
        QCOMPARE(d->findChild<QComboBox*>("cboTitle")->count(), 4);
        click(d, "sbClearRecent");
        QTest::keyClick(d->findChild<QSpinBox*>("UpDownRecent"), Qt::Key_Up);
        click(d, "rgPattern3");
        click(d, "chkAutoExpand");
        click(d, "sbSetFont");
        if (how == "Escape")
            QTest::keyClick(d, Qt::Key_Escape);
        else if (how == "close")
            d->close();
        else
            click(d, how.toLatin1().constData());
        QVERIFY(!d->isVisible());
    });
    QCOMPARE(boxItems("cboTitleSign"), (QStringList{";;;;;;", ";;;", "######", "###", "==="}));
    QCOMPARE(recentPaths(), QStringList{a});
    QCOMPARE(w.recentFiles().count(), 5);
    QCOMPARE(w.settings().defaultPattern(), 2);
    QVERIFY(w.settings().autoExpand());
    QCOMPARE(m_f->text()->font().family(), QString("宋体"));
}

void TestSettings::dialogProtectsBuiltInSigns_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QStringList>("itemsAfter");
    QTest::addColumn<QString>("shownAfter");
    QTest::addColumn<int>("beeps");
    const QStringList rem{";", "#", " ", "//", "rem"};
    const QStringList split{"=", " ", ":"};
    const QStringList title{";;;;;;", ";;;", "######", "###", "***"};
    QTest::newRow("first built-in comment sign") << "cboRem"
                                                 << "sbDelRem"
                                                 << ";" << rem << ";" << 1;
    QTest::newRow("third built-in comment sign") << "cboRem"
                                                 << "sbDelRem"
                                                 << " " << rem << " " << 1;
    QTest::newRow("user comment sign") << "cboRem"
                                       << "sbDelRem"
                                       << "//" << QStringList{";", "#", " ", "rem"} << "rem" << 0;
    QTest::newRow("last user sign") << "cboRem"
                                    << "sbDelRem"
                                    << "rem" << QStringList{";", "#", " ", "//"} << "" << 0;
    QTest::newRow("other letter case") << "cboRem"
                                       << "sbDelRem"
                                       << "REM" << QStringList{";", "#", " ", "//"} << "" << 0;
    QTest::newRow("text not in the list") << "cboRem"
                                          << "sbDelRem"
                                          << "%" << rem << "%" << 1;
    QTest::newRow("built-in split sign") << "cboSplit"
                                         << "sbDelSplit"
                                         << " " << split << " " << 1;
    QTest::newRow("user split sign") << "cboSplit"
                                     << "sbDelSplit"
                                     << ":" << QStringList{"=", " "} << "" << 0;
    QTest::newRow("fourth built-in title sign") << "cboTitle"
                                                << "sbDelTitle"
                                                << "###" << title << "###" << 1;
    QTest::newRow("user title sign") << "cboTitle"
                                     << "sbDelTitle"
                                     << "***" << QStringList{";;;;;;", ";;;", "######", "###"} << "" << 0;
}

void TestSettings::dialogProtectsBuiltInSigns() {
    QFETCH(QString, box);
    QFETCH(QString, button);
    QFETCH(QString, shown);
    QFETCH(QStringList, itemsAfter);
    QFETCH(QString, shownAfter);
    QFETCH(int, beeps);
    vq::TfrmMain& w = m_f->start();
    m_f->show();
    w.signToolBar().setHistoryTexts(vq::SignBox::Rem, {";", "#", " ", "//", "rem"});
    w.signToolBar().setHistoryTexts(vq::SignBox::Split, {"=", " ", ":"});
    w.signToolBar().setHistoryTexts(vq::SignBox::TitleSign, {";;;;;;", ";;;", "######", "###", "***"});
    runDialog([&](vq::TfrmOption* d) {
        auto* combo = d->findChild<QComboBox*>(box);
        combo->setEditText(shown);
        click(d, button.toLatin1().constData());
        QStringList items;
        for (int i = 0; i < combo->count(); ++i)
            items << combo->itemText(i);
        QCOMPARE(items, itemsAfter);
        QCOMPARE(combo->currentText(), shownAfter);
        QCOMPARE(m_f->platform.beeps(), beeps);
        click(d, "bbtnOK");
    });
}

void TestSettings::lowerCountKeepsTheMostRecent() {
    vq::TfrmMain& w = m_f->start();
    m_f->show();
    QStringList opened;
    for (const char* name : {"1.ini", "2.ini", "3.ini", "4.ini", "5.ini"}) {
        opened.prepend(m_f->writeFile(name, "a=1\n"));
        w.files().OpenDocument(opened.first());
    }
    QCOMPARE(recentPaths(), opened);
    runDialog([&](vq::TfrmOption* d) {
        auto* upDown = d->findChild<QSpinBox*>("UpDownRecent");
        for (int i = 0; i < 3; ++i)
            QTest::keyClick(upDown, Qt::Key_Down);
        QTest::keyClick(d, Qt::Key_Return);  // Enter answers OK
    });
    QCOMPARE(w.recentFiles().count(), 2);
    QCOMPARE(recentPaths(), opened.mid(0, 2));
}

void TestSettings::settingsSurviveARestart() {
    vq::TfrmMain& w = m_f->start();
    QVERIFY(m_f->showActive());
    const QString a = m_f->writeFile("a.ini", "a=1\n");
    const QString b = m_f->writeFile("b.ini", "b=1\n");
    w.files().OpenDocument(a);
    w.files().OpenDocument(b);
    // A sign typed into the box joins its history when the box is left.
    QComboBox* title = m_f->find<QComboBox>("cboTitleSign");
    QTest::mouseClick(title->lineEdit(), Qt::LeftButton);
    QTRY_VERIFY(title->hasFocus());
    title->lineEdit()->selectAll();
    QTest::keyClicks(title->lineEdit(), "-=-");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);  // leaving the box
    QTRY_VERIFY(!title->hasFocus());
    QCOMPARE(boxItems("cboTitleSign").last(), QString("-=-"));
    m_f->platform.queueFont(QFont("DejaVu Sans Mono", 13));
    runDialog([&](vq::TfrmOption* d) {
        click(d, "rgPattern3");
        click(d, "sbSetFont");
        click(d, "bbtnOK");
    });
    closeWindow();
    m_f->destroy();

    vq::TfrmMain& again = m_f->start();
    QCOMPARE(recentPaths(), (QStringList{b, a}));
    QCOMPARE(again.settings().defaultPattern(), 3);
    QVERIFY(m_f->find<QAction>("mnuPtn3")->isChecked());
    QCOMPARE(m_f->text()->font().family(), QString("DejaVu Sans Mono"));
    QCOMPARE(m_f->text()->font().pointSize(), 13);
    QCOMPARE(boxItems("cboTitleSign"), (QStringList{";;;;;;", ";;;", "######", "###", "-=-"}));
    // The blank built-in signs come back in their space-count form.
    QCOMPARE(boxItems("cboRem"), (QStringList{";", "#", "1|_|"}));
    QCOMPARE(boxItems("cboSplit"), (QStringList{"=", "1|_|"}));
}

// 界面语言: English chosen in the dialog is kept as Language=en and shown again by the dialog;
// the running window stays Chinese, since the choice holds from the next start.
void TestSettings::languageChosenForTheNextStart() {
    m_f->start();
    m_f->show();
    runDialog([&](vq::TfrmOption* d) {
        auto* box = d->findChild<QComboBox*>("cboLanguage");
        QVERIFY(box);
        QCOMPARE(box->currentText(), QString("简体中文"));
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Down);
        QCOMPARE(box->currentText(), QString("English"));
        click(d, "bbtnOK");
    });
    QCOMPARE(m_f->find<QMenu>("mnuFile")->title(), QString("文件(&F)"));
    closeWindow();
    QVERIFY2(settingsFile().contains("\nLanguage=en\n"), settingsFile().constData());
    m_f->destroy();

    m_f->start();
    runDialog([&](vq::TfrmOption* d) {
        QCOMPARE(d->findChild<QComboBox*>("cboLanguage")->currentText(), QString("English"));
        d->reject();
    });
}

// Said in Chinese with the reason, in the program's own message box, and once: the next close
// that meets the same failure says nothing, until a save works again.
void TestSettings::unwritableFileIsReportedOnceAndTheWindowCloses() {
    m_f->writeFile("plain", "x");
    const std::string path = vq::LocalPath(m_f->path("plain/varnoquil/tolvry.ini"));  // no folder below a file
    const std::string note = vq::LocalPath(m_f->path("state/varnoquil/settings-not-saved"));
    m_f->platform.setSettingsFiles({path, path, {note}});
    const QString told = QString::fromStdString("保存设置文件 \"" + path + "\" 失败！\n路径中有一部分不是文件夹。");
    for (int run = 0; run < 2; ++run) {
        vq::TfrmMain& w = m_f->start();
        m_f->show();
        QVERIFY(w.close());
        QVERIFY(!w.isVisible());
        QCOMPARE(m_f->platform.errors(), QStringList{told});
        m_f->destroy();
    }
    QCOMPARE(MainWindowFixture::readBytes(m_f->path("plain")), QByteArray("x"));

    QVERIFY(QFile::remove(m_f->path("plain")));
    m_f->start();
    m_f->show();
    closeWindow();
    QCOMPARE(m_f->platform.errors().size(), 1);
    QVERIFY(QFile::exists(m_f->path("plain/varnoquil/tolvry.ini")));
    QVERIFY(!QFile::exists(QString::fromStdString(note)));
}

// A settings file that cannot be written (found so by the core, from its permissions) is read at
// start, and the settings are written to the other file at close; the first stays as it was.
void TestSettings::readOnlyFileIsReadAndTheSettingsGoElsewhere() {
    const QByteArray shared = "[General]\nDefault_Pattern=3\n[Comment]\n0=#\n";
    m_f->writeFile("tolvry.ini", shared);
    const std::string xdg = vq::LocalPath(m_f->path("config/varnoquil/tolvry.ini"));
    m_f->platform.setSettingsFiles({vq::LocalPath(settingsPath()), xdg, {}});
    vq::TfrmMain& w = m_f->start();
    QCOMPARE(w.settings().defaultPattern(), 3);
    QCOMPARE(boxItems("cboRem"), QStringList{"#"});
    m_f->show();
    closeWindow();
    QVERIFY(m_f->platform.errors().isEmpty());
    QCOMPARE(settingsFile(), shared);
    const QByteArray written = MainWindowFixture::readBytes(QString::fromStdString(xdg));
    QVERIFY2(written.startsWith("[General]\nDefault_Pattern=3\nRecent_Count=5\n"), written.constData());
    QVERIFY2(written.contains("[Comment]\n0=#\n"), written.constData());
}

// A hand-written list of 3,000 titles (13,890 bytes of key names) is offered whole and written
// back whole.
void TestSettings::longListComesBackWhole() {
    QByteArray ini = "[Title]\n";
    for (int i = 0; i < 3000; ++i)
        ini += QByteArray::number(i) + "=t" + QByteArray::number(i) + "\n";
    m_f->writeFile("tolvry.ini", ini);
    m_f->start();
    QCOMPARE(boxItems("cboTitleSign").size(), 3000);
    QCOMPARE(boxItems("cboTitleSign").last(), QString("t2999"));
    m_f->show();
    closeWindow();
    QVERIFY(settingsFile().contains(ini));
}

// However long the signs in its lists, the dialog has the same fixed size: a long title sign typed
// into the tool bar's box, and left (which adds it to the history), changes nothing.
void TestSettings::dialogKeepsItsSizeWhateverTheSigns() {
    m_f->start();
    QVERIFY(m_f->showActive());
    QSize before;
    runDialog([&](vq::TfrmOption* d) { before = d->size(); });
    QVERIFY(m_f->showActive());
    auto* title = m_f->find<QComboBox>("cboTitleSign");
    QTest::mouseClick(title->lineEdit(), Qt::LeftButton);
    QTRY_VERIFY(title->hasFocus());
    title->lineEdit()->selectAll();
    const QString longSign = QString(";") + QString(120, QChar('='));
    QTest::keyClicks(title->lineEdit(), longSign);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTRY_VERIFY(!title->hasFocus());
    runDialog([&](vq::TfrmOption* d) {
        QVERIFY(boxItems("cboTitleSign").contains(longSign));
        d->findChild<QComboBox*>("cboTitle")->setCurrentText(longSign);
        QCOMPARE(d->size(), before);
    });
}

QTEST_MAIN(TestSettings)
#include "SettingsTest.moc"
