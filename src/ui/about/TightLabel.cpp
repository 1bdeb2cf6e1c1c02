#include "ui/about/TightLabel.h"

#include <QPainter>
#include <QTextLayout>

namespace vq {

TightLabel::TightLabel(int lineHeight, QWidget* parent) : QLabel(parent), m_lineHeight(lineHeight) {
    setWordWrap(true);
}

void TightLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    QTextLayout layout(text(), font());
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.beginLayout();
    // Each line's glyphs sit low in the fixed height the way they would in their own.
    int top = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(contentsRect().width());
        line.setPosition(QPointF(0, top - (line.height() - m_lineHeight) / 2));
        top += m_lineHeight;
    }
    layout.endLayout();
    layout.draw(&painter, contentsRect().topLeft());
}

}  // namespace vq
