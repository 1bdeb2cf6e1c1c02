#include "ui/toolbox/LoadIndicator.h"

#include "ui/toolbox/ActionTexts.h"

#include <QProgressBar>
#include <QShortcut>
#include <QStatusBar>
#include <QToolButton>

#include <algorithm>

namespace vq {

LoadIndicator::LoadIndicator(QStatusBar* bar, QWidget* window)
    : QObject(window), m_window(window), m_bar(new QProgressBar), m_cancel(new QToolButton) {
    m_bar->setObjectName("pbLoading");
    m_bar->setFixedWidth(160);
    m_bar->setMaximumHeight(16);
    m_bar->setTextVisible(false);
    m_bar->setAccessibleName(QString::fromUtf8(texts::kOpening));
    m_cancel->setObjectName("btnCancelLoading");
    m_cancel->setText(QString::fromUtf8(texts::kCancelLoading));
    m_cancel->setToolTip(QString::fromUtf8(texts::kCancelLoadingHint));
    m_cancel->setStatusTip(QString::fromUtf8(texts::kCancelLoadingHint));
    m_cancel->setAutoRaise(true);
    bar->addPermanentWidget(m_bar);
    bar->addPermanentWidget(m_cancel);
    m_bar->hide();
    m_cancel->hide();
    connect(m_cancel, &QToolButton::clicked, this, &LoadIndicator::cancelRequested);
    m_moment.setSingleShot(true);
    m_moment.setInterval(kMomentMs);
    connect(&m_moment, &QTimer::timeout, this, &LoadIndicator::appear);
}

void LoadIndicator::begin() {
    m_bar->setRange(0, 0);  // busy until the load counts its lines
    if (!m_escape) {
        // Made for the load only: a shortcut that stays registered would keep Esc from the views.
        m_escape = new QShortcut(QKeySequence(Qt::Key_Escape), m_window);
        m_escape->setContext(Qt::WindowShortcut);
        connect(m_escape, &QShortcut::activated, this, &LoadIndicator::cancelRequested);
    }
    m_moment.start();
}

void LoadIndicator::setCount(qint64 done, qint64 total) {
    if (total <= 0)
        return;
    // The bar counts in thousandths, so a count beyond int's range still fits.
    m_bar->setRange(0, 1000);
    m_bar->setValue(static_cast<int>(std::min<qint64>(1000, done * 1000 / total)));
}

void LoadIndicator::appear() {
    m_bar->show();
    m_cancel->show();
}

void LoadIndicator::end() {
    m_moment.stop();
    m_bar->hide();
    m_cancel->hide();
    if (m_escape) {
        m_escape->setKey(QKeySequence());  // out of the shortcut map at once
        m_escape->deleteLater();
        m_escape = nullptr;
    }
}

}  // namespace vq
