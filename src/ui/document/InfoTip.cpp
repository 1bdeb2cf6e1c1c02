#include "ui/document/InfoTip.h"

#include <QAbstractItemView>
#include <QHelpEvent>
#include <QProxyStyle>
#include <QToolTip>

namespace vq {

namespace {
constexpr int kTipShowMs = 5000;

// Tips over the list wake up after one millisecond instead of the desktop's usual delay.
class QuickTipStyle : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* result) const override {
        if (hint == SH_ToolTip_WakeUpDelay)
            return 1;
        return QProxyStyle::styleHint(hint, option, widget, result);
    }
};
}  // namespace

InfoTip::InfoTip(QAbstractItemView* view) : QObject(view), m_view(view) {
    auto* style = new QuickTipStyle;
    style->setParent(this);
    view->viewport()->setStyle(style);
    view->viewport()->installEventFilter(this);
}

bool InfoTip::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::ToolTip)
        return QObject::eventFilter(watched, event);
    const auto* help = static_cast<QHelpEvent*>(event);
    const QModelIndex index = m_view->indexAt(help->pos());
    const QString text = index.data(Qt::DisplayRole).toString();
    const QVariant tip = index.data(Qt::ToolTipRole);
    const QRect rect = m_view->visualRect(index);
    const int textWidth = m_view->fontMetrics().horizontalAdvance(text);
    // The check box and the margins take part of the cell; count them as the cell's padding.
    const int room = rect.width() - (index.flags() & Qt::ItemIsUserCheckable ? 28 : 8);
    if (index.isValid() && textWidth > room)
        QToolTip::showText(help->globalPos(), tip.isValid() ? tip.toString() : text, m_view->viewport(), rect,
                           kTipShowMs);
    else
        QToolTip::hideText();
    return true;
}

}  // namespace vq
