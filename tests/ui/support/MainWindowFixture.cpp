#include "MainWindowFixture.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QFile>
#include <QItemSelectionModel>
#include <QScreen>
#include <QTest>
#include <QThread>
#include <QTimer>

#include <chrono>
#include <thread>

namespace vqtest {

PanelRecorder::PanelRecorder(QLabel* panel) : m_panel(panel) { panel->installEventFilter(this); }

bool PanelRecorder::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_panel && event->type() == QEvent::Paint) {
        m_texts.append(m_panel->text());
    }
    return QObject::eventFilter(watched, event);
}

// Every window keeps its settings file in the fixture's folder, never beside the test program.
MainWindowFixture::MainWindowFixture() { platform.setSettingsFilePath(path(QStringLiteral("tolvry.ini"))); }

MainWindowFixture::~MainWindowFixture() { destroy(); }

vq::TfrmMain& MainWindowFixture::start(const QStringList& arguments) {
    startWithoutWaiting(arguments);
    waitForLoad();
    return *m_window;
}

vq::TfrmMain& MainWindowFixture::startWithoutWaiting(const QStringList& arguments) {
    m_window = std::make_unique<vq::TfrmMain>(platform, arguments);
    return *m_window;
}

void MainWindowFixture::waitForLoad() { m_window->files().waitForLoad(); }

void MainWindowFixture::slowLoads() {
    platform.setTickStep(1);
    platform.setTickHook([] {
        if (QThread::currentThread() != QCoreApplication::instance()->thread())
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
    });
}

void MainWindowFixture::show() {
    m_window->show();
    if (!QTest::qWaitForWindowExposed(m_window.get()))
        qWarning("the main window was not exposed");
}

bool MainWindowFixture::showActive() {
    show();
    m_window->activateWindow();
    return QTest::qWaitForWindowActive(m_window.get());
}

QAction* MainWindowFixture::action(const char* name) {
    QCoreApplication::sendPostedEvents();
    return find<QAction>(name);
}

void MainWindowFixture::destroy() {
    if (m_window)
        m_window->hide();
    m_window.reset();
}

void MainWindowFixture::destroyAsIs() { m_window.reset(); }

QString MainWindowFixture::writeFile(const QString& name, const QByteArray& bytes) const {
    const QString full = m_dir.filePath(name);
    QFile file(full);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write the fixture file %s", qPrintable(full));
    return full;
}

QByteArray MainWindowFixture::readBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray("<<unreadable>>");
    return file.readAll();
}

QStringList MainWindowFixture::column(int column) const {
    QStringList out;
    const QAbstractItemModel* model = list()->model();
    for (int r = 0; r < model->rowCount(); ++r)
        out << model->index(r, column).data(Qt::DisplayRole).toString();
    return out;
}

QList<bool> MainWindowFixture::checked() const {
    QList<bool> out;
    const QAbstractItemModel* model = list()->model();
    for (int r = 0; r < model->rowCount(); ++r)
        out << (model->index(r, 0).data(Qt::CheckStateRole).toInt() == Qt::Checked);
    return out;
}

QStringList MainWindowFixture::targetLines() const {
    QStringList out;
    const vq::TargetTextView* view = text();
    for (qsizetype line = 0; line < view->lineCount(); ++line)
        out << view->lineText(line);
    return out;
}

QString MainWindowFixture::targetText() const {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(text());
    QAccessibleTextInterface* textInterface = accessible ? accessible->textInterface() : nullptr;
    if (!textInterface)
        return QStringLiteral("<<no accessible text>>");
    return textInterface->text(0, textInterface->characterCount());
}

QStringList MainWindowFixture::logEntries() const {
    QStringList out;
    const QAbstractItemModel* model = log()->model();
    for (int r = 0; r < model->rowCount(); ++r)
        out << model->index(r, 0).data(Qt::DisplayRole).toString();
    return out;
}

static void Outline(const QAbstractItemModel* model, const QModelIndex& parent, const QString& indent,
                    QStringList& out) {
    for (int r = 0; r < model->rowCount(parent); ++r) {
        const QModelIndex i = model->index(r, 0, parent);
        out << indent + i.data(Qt::DisplayRole).toString();
        Outline(model, i, indent + QStringLiteral("  "), out);
    }
}

QStringList MainWindowFixture::treeOutline() const {
    QStringList out;
    Outline(tree()->model(), {}, {}, out);
    return out;
}

QList<int> MainWindowFixture::selectedRows() const {
    QList<int> rows;
    for (const QModelIndex& i : list()->selectionModel()->selectedRows())
        rows << i.row();
    std::sort(rows.begin(), rows.end());
    return rows;
}

int MainWindowFixture::selectedRow() const {
    const QList<int> rows = selectedRows();
    return rows.size() == 1 ? rows.first() : -1;
}

QImage OnScreen(QWidget* widget) {
    QWidget* window = widget->window();
    const QPixmap shot = window->screen()->grabWindow(window->winId());
    const qreal ratio = shot.devicePixelRatio();
    const QRect area(widget->mapTo(window, QPoint(0, 0)) * ratio, widget->size() * ratio);
    return shot.toImage().copy(area);
}

void OnNextModal(std::function<void(QWidget*)> act) {
    OnNextModalWhere([](QWidget*) { return true; }, std::move(act));
}

void OnNextModalWhere(std::function<bool(QWidget*)> wanted, std::function<void(QWidget*)> act) {
    auto* timer = new QTimer;
    auto* clock = new QElapsedTimer;
    clock->start();
    QObject::connect(timer, &QTimer::timeout, [timer, clock, wanted = std::move(wanted), act = std::move(act)] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && !wanted(modal))
            modal = nullptr;
        if (!modal && clock->elapsed() < 10000)
            return;
        timer->stop();
        timer->deleteLater();
        delete clock;
        if (!modal) {
            qWarning("no modal dialog was shown");
            return;
        }
        act(modal);
    });
    timer->start(5);
}

}  // namespace vqtest
