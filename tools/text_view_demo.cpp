// Shows the target text view alone on a generated php.ini-like text, for a look under Xvfb:
//   text_view_demo [LINES] [long]
// Line 6 is 20,000 characters long; tabs, Chinese comments and a selection are on screen. With
// "long" the view shows the cut end of line 6 instead, selected from a little before the cut.
#include "ui/document/TargetTextView.h"
#include "ui/document/TextLineSource.h"
#include "ui/toolbox/SongTiFont.h"

#include <QApplication>
#include <QByteArray>
#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>

namespace {

class DemoSource : public vq::TextLineSource {
public:
    explicit DemoSource(qsizetype lines) : m_lines(lines) {}
    qsizetype lineCount() const override { return m_lines; }
    QString lineText(qsizetype i) const override {
        if (i == 5)
            return QStringLiteral("long_line = ") + QString(20000, QLatin1Char('x'));
        switch (i % 8) {
        case 0: return QStringLiteral("[Section%1]").arg(i / 8);
        case 1: return QStringLiteral("; 中文注释：第 %1 行的说明").arg(i + 1);
        case 2: return QStringLiteral("key_%1\t= value\t; tab separated").arg(i);
        case 3: return QStringLiteral(";commented_key_%1 = Off").arg(i);
        case 4: return QString();
        default: return QStringLiteral("option_%1 = %2").arg(i).arg(i * 17);
        }
    }
    qsizetype maxLineLengthHint() const override { return 20012; }

private:
    qsizetype m_lines;
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    DemoSource source(argc > 1 ? QString::fromLocal8Bit(argv[1]).toLongLong() : 3400000);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Target text view"));
    auto* layout = new QVBoxLayout(&window);
    auto* view = new vq::TargetTextView;
    view->setObjectName(QStringLiteral("reContent"));
    view->setFont(vq::SongTiFont(12));
    view->setSource(&source);
    auto* panel = new QLabel;
    layout->addWidget(view);
    layout->addWidget(panel);
    QObject::connect(view, &vq::TargetTextView::selectionChanged, panel, [view, panel] {
        const vq::TextPoint start = view->selectionStartPoint();
        panel->setText(
            QStringLiteral("Row:%1 Col:%2   lines: %3").arg(start.line + 1).arg(start.column).arg(view->lineCount()));
    });
    if (argc > 2 && QByteArray(argv[2]) == "long")
        view->setSelection(vq::TextPoint{5, vq::kMaxShownLineChars - 20}, vq::TextPoint{5, 20012});
    else
        view->setSelection(vq::TextPoint{2, 4}, vq::TextPoint{9, 10});
    window.resize(640, 400);
    window.show();
    view->setFocus();
    return app.exec();
}
