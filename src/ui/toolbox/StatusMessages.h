#pragma once

#include "core/Progress.h"

#include <QString>

class QLabel;

namespace vq {

class Platform;

// The Message panel of the status bar as the commands see it: progress and result texts, hints,
// and the progress of long passes, paced by the platform's clock.
class StatusMessages {
public:
    StatusMessages(QLabel* panel, Platform& platform) : m_panel(panel), m_platform(platform) {}

    // `repaintNow` paints the text before returning, for passes that do not let the window paint.
    void show(const QString& text, bool repaintNow = false);
    QString text() const;
    Progress progress();

private:
    QLabel* m_panel;       // Not owned: the status bar's.
    Platform& m_platform;  // Not owned.
};

}  // namespace vq
