#pragma once

#include <QPointer>
#include <QWidget>

#include <initializer_list>
#include <vector>

namespace vq {

// Holds the painting of some views while it lives, so that a bulk change repaints each of them
// once, when it goes.
class [[nodiscard]] PaintPause {
public:
    explicit PaintPause(std::initializer_list<QWidget*> views) {
        for (QWidget* view : views) {
            view->setUpdatesEnabled(false);
            m_views.emplace_back(view);
        }
    }
    ~PaintPause() {
        for (const QPointer<QWidget>& view : m_views)
            if (view)
                view->setUpdatesEnabled(true);
    }
    PaintPause(const PaintPause&) = delete;
    PaintPause& operator=(const PaintPause&) = delete;

private:
    std::vector<QPointer<QWidget>> m_views;
};

}  // namespace vq
