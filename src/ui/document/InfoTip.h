#pragma once

#include <QObject>

class QAbstractItemView;

namespace vq {

// Gives a list the info-tip behaviour: a row whose text is cut off shows its full text as a tip
// at once, for five seconds; a row shown whole shows none.
class InfoTip : public QObject {
    Q_OBJECT
public:
    explicit InfoTip(QAbstractItemView* view);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QAbstractItemView* m_view;  // Not owned: the tip is the view's child.
};

}  // namespace vq
