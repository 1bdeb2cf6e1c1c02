#include "ui/about/ShapeWidget.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPainter>

namespace vq {

namespace {

// Screen readers see a shape as a graphic named after it (Shape1, shpBall, ...).
class ShapeAccessible : public QAccessibleWidget {
public:
    explicit ShapeAccessible(QWidget* widget) : QAccessibleWidget(widget, QAccessible::Graphic) {}
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return widget()->objectName();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* ShapeAccessibleFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("vq::ShapeWidget") && object && object->isWidgetType())
        return new ShapeAccessible(static_cast<QWidget*>(object));
    return nullptr;
}

}  // namespace

ShapeWidget::ShapeWidget(Shape shape, const QColor& fill, const QColor& outline, QWidget* parent)
    : QWidget(parent), m_shape(shape), m_fill(fill), m_outline(outline) {
    static const bool factoryInstalled = (QAccessible::installFactory(ShapeAccessibleFactory), true);
    Q_UNUSED(factoryInstalled);
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
