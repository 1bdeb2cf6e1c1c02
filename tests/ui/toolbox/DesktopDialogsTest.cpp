// The desktop's own dialogs and questions as the window shows them through the real platform
// layer: Qt's texts in Chinese like the window's, the find question without an icon, the open
// dialog's filters each shown once.
#include "ListGestures.h"

#include "ui/toolbox/LocalPath.h"
#include "ui/toolbox/QtPlatform.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QTest>
#include <QToolBar>

#include <memory>

using namespace vqtest;

namespace {

// The desktop's platform, its settings file in a folder of the test's own.
class DesktopPlatform : public vq::QtPlatform {
public:
    explicit DesktopPlatform(const QString& settings) {
        const std::string path = vq::LocalPath(settings);
        m_settings = {path, path, {}};
    }
    vq::SettingsFiles settingsFiles() override { return m_settings; }

private:
    vq::SettingsFiles m_settings;
};

QStringList FileOf(MainWindowFixture& files, const QByteArray& bytes) {
    return bytes.isNull() ? QStringList() : QStringList{files.writeFile("start.ini", bytes)};
}

// The real main window on the desktop's platform, started on a file of these bytes or untitled,
// shown and active.
struct DesktopWindow {
    explicit DesktopWindow(const QByteArray& file = {})
        : platform(files.path("tolvry.ini")), window(std::make_unique<vq::TfrmMain>(platform, FileOf(files, file))) {
        window->files().waitForLoad();
        window->show();
        window->activateWindow();
        if (!QTest::qWaitForWindowActive(window.get()))
            qWarning("the window did not become active");
    }
    ~DesktopWindow() {
        // Closed without the unsaved-changes question.
        window->document().setModified(false);
        window->hide();
    }
    template <typename T>
    T* find(const char* name) const {
        return window->findChild<T*>(QString::fromLatin1(name));
    }

    MainWindowFixture files;  // the temporary folder
    DesktopPlatform platform;
    std::unique_ptr<vq::TfrmMain> window;
};

QStringList ButtonTexts(const QMessageBox* box) {
    QStringList texts;
    for (const QAbstractButton* button : box->buttons())
        texts << button->text();
    texts.sort();
    return texts;
}

}  // namespace

class TestDesktopDialogs : public QObject {
    Q_OBJECT
private slots:
    void unsavedChangesQuestionInChinese();
    void saveDialogAndReplaceQuestionInChinese();
    void findQuestionHasNoIcon();
    void openDialogShowsEachFilterOnce();
    void saveAsStartsInTheDocumentsFolder();
};

// Ctrl+N with changes asks with Qt's standard buttons, in Chinese.
void TestDesktopDialogs::unsavedChangesQuestionInChinese() {
    DesktopWindow d;
    d.window->document().insertRow(0, "k=1");
    QStringList buttons;
    OnNextModal([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        QVERIFY(box);
        buttons = ButtonTexts(box);
        box->button(QMessageBox::No)->click();
    });
    QTest::keyClick(d.window.get(), Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(buttons, QStringList({"取消", "否(&N)", "是(&Y)"}));
}

// Save As: the file dialog's own captions and its question about replacing a file, in Chinese.
void TestDesktopDialogs::saveDialogAndReplaceQuestionInChinese() {
    DesktopWindow d;
    const QString existing = d.files.writeFile("old.ini", "x=0\r\n");
    d.window->document().insertRow(0, "k=1");
    QString accept;
    QString fileNameLabel;
    QString question;
    QStringList questionButtons;
    OnNextModal([&](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        QVERIFY(dialog);
        auto* buttons = dialog->findChild<QDialogButtonBox*>("buttonBox");
        QVERIFY(buttons);
        for (QAbstractButton* button : buttons->buttons())
            if (buttons->buttonRole(button) == QDialogButtonBox::AcceptRole)
                accept = button->text();
        auto* label = dialog->findChild<QLabel*>("fileNameLabel");
        QVERIFY(label);
        fileNameLabel = label->text();
        auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
        name->setText(existing);  // as if chosen: typed, the dialog's completer would take the Return
        OnNextModalOf<QMessageBox>([&](QMessageBox* replace) {
            question = replace->text();
            questionButtons = ButtonTexts(replace);
            replace->button(QMessageBox::No)->click();
            // The dialog comes back for another name; the user gives up.
            OnNextModalOf<QFileDialog>([](QFileDialog* again) { again->reject(); });
        });
        QTest::keyClick(name, Qt::Key_Return);
    });
    auto* toolBar = d.find<QToolBar>("ToolBar");
    QTest::mouseClick(toolBar->widgetForAction(d.window->action(vq::Act::SaveAs)), Qt::LeftButton);
    QCOMPARE(accept, QString("保存(&S)"));
    QCOMPARE(fileNameLabel, QString("文件名称(&N)："));
    QCOMPARE(question, QString("old.ini 已存在。\n您想要替换它吗？"));
    QCOMPARE(questionButtons, QStringList({"否(&N)", "是(&Y)"}));
    QCOMPARE(MainWindowFixture::readBytes(existing), QByteArray("x=0\r\n"));
}

// A find that reaches the end asks whether to go on from the top: a question with a title of its
// own and no icon.
void TestDesktopDialogs::findQuestionHasNoIcon() {
    DesktopWindow d("[s]\r\nk=1\r\n");
    QTest::keyClick(d.window.get(), Qt::Key_F, Qt::ControlModifier);
    auto* text = d.find<QLineEdit>("edtFindText");
    QTRY_VERIFY(text && text->isVisible());
    QTest::keyClicks(text, "absent");
    QMessageBox::Icon icon = QMessageBox::Question;
    QString title;
    OnNextModal([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        QVERIFY(box);
        icon = box->icon();
        title = box->windowTitle();
        box->button(QMessageBox::No)->click();
    });
    QTest::keyClick(text, Qt::Key_Return);
    QCOMPARE(title, QString("查找失败"));
    QCOMPARE(icon, QMessageBox::NoIcon);
}

// Each filter of the open dialog names its patterns once, in the program's own words.
void TestDesktopDialogs::openDialogShowsEachFilterOnce() {
    DesktopWindow d;
    QStringList filters;
    OnNextModal([&](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        QVERIFY(dialog);
        auto* types = dialog->findChild<QComboBox*>("fileTypeCombo");
        for (int i = 0; i < types->count(); ++i)
            filters << types->itemText(i);
        dialog->reject();
    });
    QTest::keyClick(d.window.get(), Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(filters, QStringList({"Supported Files(*.ini;*.inf;*.conf;*.txt)", "Ini File(*.ini)", "Inf File(*.inf)",
                                   "Apache Configuration File(*.conf)", "Text File(*.txt)", "All Files(*)"}));
}

// Save As of a document that has a file starts in that file's folder, wherever a save went before.
void TestDesktopDialogs::saveAsStartsInTheDocumentsFolder() {
    DesktopWindow d("[s]\r\nk=1\r\n");
    const QString folder = QFileInfo(QString::fromStdString(d.window->document().fileName())).absolutePath();
    QVERIFY(folder != QDir::homePath());
    QString shown;
    OnNextModalOf<QFileDialog>([&](QFileDialog* dialog) {
        shown = dialog->directory().absolutePath();
        dialog->reject();
    });
    auto* toolBar = d.find<QToolBar>("ToolBar");
    QTest::mouseClick(toolBar->widgetForAction(d.window->action(vq::Act::SaveAs)), Qt::LeftButton);
    QCOMPARE(shown, folder);
}

QTEST_MAIN(TestDesktopDialogs)
#include "DesktopDialogsTest.moc"
