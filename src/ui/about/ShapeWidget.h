#pragma once

#include <QColor>
#include <QWidget>

namespace vq {

// A filled rectangle or circle of the playfield: a brick, the bat or the ball. A brick that was
// hit once is drawn cross-hatched.
class ShapeWidget : public QWidget {
    Q_OBJECT
public:
    enum class Shape { Rectangle, Circle };

    // `outline` invalid: no outline.
    ShapeWidget(Shape shape, const QColor& fill, const QColor& outline, QWidget* parent);

    void setHatched(bool hatched);
    bool isHatched() const { return m_hatched; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Shape m_shape;
    QColor m_fill;
    QColor m_outline;
    bool m_hatched = false;
};

}  // namespace vq
