#include "ui/toolbox/StatusMessages.h"

#include "ui/toolbox/Platform.h"

#include <QLabel>

namespace vq {

void StatusMessages::show(const QString& text, bool repaintNow) {
    m_panel->setText(text);
    if (repaintNow)
        m_panel->repaint();
}

QString StatusMessages::text() const { return m_panel->text(); }

Progress StatusMessages::progress() {
    Progress p;
    p.tick = [this] { return m_platform.tickCount(); };
    p.show = [this](const std::string& text) { show(QString::fromStdString(text), true); };
    return p;
}

}  // namespace vq
