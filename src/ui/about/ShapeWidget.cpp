#include "ui/about/ShapeWidget.h"

#include <QPainter>

namespace vq {

ShapeWidget::ShapeWidget(Shape shape, const QColor& fill, const QColor& outline, QWidget* parent)
    : QWidget(parent), m_shape(shape), m_fill(fill), m_outline(outline) {
    setAttribute(Qt::WA_TransparentForMouseEvents);  // clicks belong to the playfield
}

void ShapeWidget::setHatched(bool hatched) {
    if (m_hatched == hatched)
        return;
    m_hatched = hatched;
    update();
}

void ShapeWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(m_outline.isValid() ? QPen(m_outline, 1) : QPen(Qt::NoPen));
    painter.setBrush(QBrush(m_fill, m_hatched ? Qt::DiagCrossPattern : Qt::SolidPattern));
    // A one-pixel outline drawn along the inside of the widget's rectangle.
    const QRect inside = m_outline.isValid() ? rect().adjusted(0, 0, -1, -1) : rect();
    if (m_shape == Shape::Circle) {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.drawEllipse(inside);
    } else {
        painter.drawRect(inside);
    }
}

}  // namespace vq
