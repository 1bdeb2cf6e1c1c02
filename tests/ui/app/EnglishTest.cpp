// The English window, walked as a user meets it: every menu, tool-bar item, dialog, message and
// log word is English, and no caption is cut off by its widget. Also: the window's translator
// (the .qm lrelease makes) and the core's English table say the same for every text.

#include "MainWindowFixture.h"

#include "core/Language.h"
#include "ui/app/TfrmMain.h"
#include "ui/toolbox/LocalPath.h"
#include "ui/toolbox/QtPlatform.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <QTranslator>

using vqtest::MainWindowFixture;
using vqtest::OnNextModal;

namespace {

// Each language's own name is the one text that stays Chinese in English.
const QStringList kOwnNames = {QStringLiteral("简体中文")};

bool IsChinese(const QString& text) {
    static const QRegularExpression cjk(QStringLiteral("[\\x{3000}-\\x{303f}\\x{4e00}-\\x{9fff}\\x{ff00}-\\x{ffef}]"));
    return !kOwnNames.contains(text) && cjk.match(text).hasMatch();
}

QString Where(const QObject* o) {
    QStringList path;
    for (; o; o = o->parent())
        path.prepend(o->objectName().isEmpty() ? QString::fromLatin1(o->metaObject()->className()) : o->objectName());
    return path.join(QLatin1Char('/'));
}

// Collects what is still Chinese, and what its widget cuts off, under a widget.
class Walk {
public:
    QStringList problems;

    void text(const QObject* owner, const char* what, const QString& text) {
        if (IsChinese(text))
            problems << QStringLiteral("%1 %2 is Chinese: %3").arg(Where(owner), QLatin1String(what), text);
    }

    void actions(const QWidget* widget) {
        for (const QAction* a : widget->actions()) {
            text(a, "text", a->text());
            text(a, "tool tip", a->toolTip());
            text(a, "status tip", a->statusTip());
            if (a->menu())
                menu(a->menu());
        }
    }

    void menu(const QMenu* m) {
        text(m, "title", m->title());
        actions(m);
    }

    // A caption its widget shows whole: the widget is at least as wide as the caption needs.
    void fits(const QWidget* w, const QString& caption) {
        if (!w->isVisible() || caption.isEmpty())
            return;
        if (w->width() < w->sizeHint().width() || w->height() < w->sizeHint().height())
            problems << QStringLiteral("%1 cuts off \"%2\": %3x%4 for %5x%6")
                            .arg(Where(w), caption)
                            .arg(w->width())
                            .arg(w->height())
                            .arg(w->sizeHint().width())
                            .arg(w->sizeHint().height());
    }

    void widget(QWidget* root) {
        QList<QWidget*> all = root->findChildren<QWidget*>();
        all.prepend(root);
        for (QWidget* w : all) {
            text(w, "window title", w->windowTitle());
            text(w, "tool tip", w->toolTip());
            text(w, "status tip", w->statusTip());
            text(w, "accessible name", w->accessibleName());
            text(w, "accessible description", w->accessibleDescription());
            actions(w);
            if (auto* label = qobject_cast<QLabel*>(w)) {
                text(w, "text", label->text());
                if (!label->wordWrap())
                    fits(w, label->text());
            } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
                text(w, "text", button->text());
                if (!qobject_cast<QToolButton*>(w) || !button->text().isEmpty())
                    fits(w, button->text());
            } else if (auto* group = qobject_cast<QGroupBox*>(w)) {
                text(w, "title", group->title());
                if (group->isVisible() && group->width() < group->fontMetrics().horizontalAdvance(group->title()))
                    problems << Where(w) + QStringLiteral(" cuts off its title");
            } else if (auto* tabs = qobject_cast<QTabWidget*>(w)) {
                for (int i = 0; i < tabs->count(); ++i)
                    text(w, "tab", tabs->tabText(i));
            } else if (auto* box = qobject_cast<QComboBox*>(w); box && !box->isEditable()) {
                for (int i = 0; i < box->count(); ++i)
                    text(w, "item", box->itemText(i));
            } else if (auto* header = qobject_cast<QHeaderView*>(w); header && header->model()) {
                for (int i = 0; i < header->count(); ++i)
                    text(w, "header", header->model()->headerData(i, header->orientation()).toString());
            }
        }
    }
};

}  // namespace

class TestEnglish : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void mainWindow();
    void dialogs_data();
    void dialogs();
    void messagesAndLog();
    void fileChangedOnDisk();
    void qtTextsInEnglish();
    void settingsNotSaved();
    void translatorAgreesWithTheCore();
    void cleanupTestCase();
};

void TestEnglish::initTestCase() { vq::SetLanguage(vq::Language::English); }

void TestEnglish::cleanupTestCase() { vq::SetLanguage(vq::Language::Chinese); }

// The menus, tool bar, views, status bar and tabs, as the window first shows them.
void TestEnglish::mainWindow() {
    MainWindowFixture f;
    vq::TfrmMain& w = f.start({QStringLiteral(VQ_TEST_DATA "/../../resources/samples/php-sample.ini")});
    f.show();
    Walk walk;
    walk.widget(&w);
    for (QMenu* menu : w.menuBar()->findChildren<QMenu*>())
        walk.menu(menu);
    // Every pop-up menu too, also those that belong to no widget's action list.
    for (QMenu* menu : w.findChildren<QMenu*>())
        walk.menu(menu);
    QVERIFY2(walk.problems.isEmpty(), qPrintable(walk.problems.join(QLatin1Char('\n'))));
    QCOMPARE(w.menuBar()->actions().first()->text(), QStringLiteral("&File"));
}

void TestEnglish::dialogs_data() {
    QTest::addColumn<QString>("action");
    QTest::newRow("configuration") << "actConfiguration";
    QTest::newRow("insert above") << "actInsertLine";
    QTest::newRow("edit lines") << "actEditLine";
}

// The modal dialogs, opened from their commands as the user opens them.
void TestEnglish::dialogs() {
    QFETCH(QString, action);
    MainWindowFixture f;
    vq::TfrmMain& w = f.start({QStringLiteral(VQ_TEST_DATA "/../../resources/samples/php-sample.ini")});
    f.show();
    auto* list = w.findChild<QAbstractItemView*>(QStringLiteral("lvContent"));
    QVERIFY(list);
    list->setCurrentIndex(list->model()->index(1, 0));
    QAction* command = f.action(action.toLatin1().constData());
    QVERIFY(command && command->isEnabled());
    QStringList problems;
    bool shown = false;
    OnNextModal([&](QWidget* modal) {
        shown = true;
        Walk walk;
        walk.widget(modal);
        // Every page of a dialog with pages.
        for (QTabWidget* tabs : modal->findChildren<QTabWidget*>())
            for (int i = 0; i < tabs->count(); ++i) {
                tabs->setCurrentIndex(i);
                QCoreApplication::processEvents();
                walk.widget(tabs->widget(i));
            }
        problems = walk.problems;
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->reject();
    });
    command->trigger();
    QVERIFY(shown);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
}

// The questions and messages of the commands, the status texts and the log's words.
void TestEnglish::messagesAndLog() {
    MainWindowFixture f;
    vq::TfrmMain& w = f.start({QStringLiteral(VQ_TEST_DATA "/../../resources/samples/php-sample.ini")});
    f.show();
    Walk walk;
    walk.text(&w, "status", f.message());
    auto* list = w.findChild<QAbstractItemView*>(QStringLiteral("lvContent"));
    list->setCurrentIndex(list->model()->index(2, 0));
    list->selectionModel()->select(list->model()->index(3, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    for (const char* name : {"actRemLine", "actUnRem", "actDelLine", "actRestoreLine", "actSaveSel", "actSaveTree",
                             "actSaveAll", "actRestore", "actRefreshTree", "actReport", "actFindNext"}) {
        f.platform.queueConfirm(vqtest::ScriptedPlatform::Answer::Ok);
        if (QAction* a = f.action(name); a && a->isEnabled())
            a->trigger();
        walk.text(&w, name, f.message());
    }
    QVERIFY(!f.platform.shown().isEmpty());
    for (const auto& shown : f.platform.shown()) {
        walk.text(&w, "message title", shown.title);
        walk.text(&w, "message", shown.text);
        for (const QString& button : shown.buttons)
            walk.text(&w, "button", button);
    }
    // Undo and redo name the step they take back or make again.
    QAction* undo = f.action("actUndo");
    QVERIFY(undo && undo->isEnabled());
    QVERIFY2(undo->text().startsWith(QStringLiteral("Undo ")), qPrintable(undo->text()));
    undo->trigger();
    QAction* redo = f.action("actRedo");
    QVERIFY(redo && redo->isEnabled());
    QVERIFY2(redo->text().startsWith(QStringLiteral("Redo ")), qPrintable(redo->text()));
    walk.text(undo, "text", undo->text());
    walk.text(redo, "text", redo->text());
    redo->trigger();
    auto* log = w.findChild<QAbstractItemView*>(QStringLiteral("lstLog"));
    QVERIFY(log && log->model()->rowCount() > 0);
    for (int r = 0; r < log->model()->rowCount(); ++r)
        walk.text(log, "entry", log->model()->index(r, 0).data().toString());
    QVERIFY2(walk.problems.isEmpty(), qPrintable(walk.problems.join(QLatin1Char('\n'))));
}

// Another program changes the file: the bar above the views and the question Save asks, in English.
void TestEnglish::fileChangedOnDisk() {
    MainWindowFixture f;
    const QString file = f.writeFile(QStringLiteral("php.ini"), "[PHP]\nengine = On\n");
    vq::TfrmMain& w = f.start({file});
    QVERIFY(f.showActive());
    f.list()->setCurrentIndex(f.list()->model()->index(1, 0));
    f.action("actRemLine")->trigger();
    QTRY_VERIFY(f.doc().modified());
    f.writeFile(QStringLiteral("php.ini"), "[PHP]\nengine = No\n");
    // The user goes to another window and comes back: then the bar says what happened.
    QWidget other;
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    auto* bar = w.findChild<QWidget*>(QStringLiteral("pnlFileChanged"));
    QTRY_VERIFY(bar && bar->isVisible());
    Walk walk;
    walk.widget(bar);
    QCOMPARE(w.findChild<QLabel*>(QStringLiteral("lblFileChanged"))->text(),
             QStringLiteral("File \"%1\" was changed by another program.").arg(file));
    f.platform.queueChoice(QStringLiteral("Cancel"));
    QTRY_VERIFY(f.action("actSave")->isEnabled());
    QTest::keyClick(&w, Qt::Key_S, Qt::ControlModifier);
    const auto asked = f.platform.choices();
    QCOMPARE(asked.size(), 1);
    walk.text(&w, "question title", asked[0].title);
    walk.text(&w, "question", asked[0].text);
    QCOMPARE(asked[0].buttons, (QStringList{"Overwrite", "Reload", "Save As", "Cancel"}));
    QVERIFY2(walk.problems.isEmpty(), qPrintable(walk.problems.join(QLatin1Char('\n'))));
}

// Qt's own texts stay Qt's English: the window on the desktop's platform asks with the standard
// buttons as Qt words them, and no Chinese translator of Qt's is installed.
void TestEnglish::qtTextsInEnglish() {
    class DesktopPlatform : public vq::QtPlatform {
    public:
        explicit DesktopPlatform(const std::string& settings) : m_settings{settings, settings, {}} {}
        vq::SettingsFiles settingsFiles() override { return m_settings; }

    private:
        vq::SettingsFiles m_settings;
    };
    MainWindowFixture files;
    DesktopPlatform platform(vq::LocalPath(files.path(QStringLiteral("tolvry.ini"))));
    vq::TfrmMain w(platform, {});
    w.show();
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    w.document().insertRow(0, "k=1");
    QStringList buttons;
    OnNextModal([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        QVERIFY(box);
        for (const QAbstractButton* button : box->buttons())
            buttons << button->text();
        box->button(QMessageBox::No)->click();
    });
    QTest::keyClick(&w, Qt::Key_N, Qt::ControlModifier);
    buttons.sort();
    QCOMPARE(buttons, QStringList({"&No", "&Yes", "Cancel"}));
    QVERIFY(!qApp->findChild<QTranslator*>(QStringLiteral("QtTranslations")));
    w.document().setModified(false);
}

// The settings cannot be saved at close: the message and its reason are English.
void TestEnglish::settingsNotSaved() {
    MainWindowFixture f;
    f.writeFile(QStringLiteral("plain"), "x");
    const std::string path = vq::LocalPath(f.path(QStringLiteral("plain/varnoquil/tolvry.ini")));
    f.platform.setSettingsFiles({path, path, {}});
    vq::TfrmMain& w = f.start();
    f.show();
    QVERIFY(w.close());
    const QStringList errors = f.platform.errors();
    QCOMPARE(errors.size(), 1);
    QVERIFY2(errors[0].startsWith(QString::fromStdString("Saving the settings file \"" + path + "\" failed!\n")),
             qPrintable(errors[0]));
    Walk walk;
    walk.text(&w, "message", errors[0]);
    QVERIFY2(walk.problems.isEmpty(), qPrintable(walk.problems.join(QLatin1Char('\n'))));
}

// lrelease's .qm, which the window's translator holds, and the table the core reads agree.
void TestEnglish::translatorAgreesWithTheCore() {
    MainWindowFixture f;
    f.start();
    const auto table = vq::EnglishTexts();
    QVERIFY(table.size() > 200);
    for (const auto& [chinese, english] : table)
        QCOMPARE(QCoreApplication::translate("vq::texts", chinese), QString::fromUtf8(english));
}

QTEST_MAIN(TestEnglish)
#include "EnglishTest.moc"
