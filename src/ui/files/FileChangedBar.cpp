#include "ui/files/FileChangedBar.h"

#include "ui/files/FileDialogTexts.h"
#include "ui/toolbox/AccessibleFactory.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

namespace vq {

namespace {

class FileChangedBarAccessible : public QAccessibleWidget {
public:
    explicit FileChangedBarAccessible(FileChangedBar* bar) : QAccessibleWidget(bar, QAccessible::AlertMessage) {}
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name)
            return static_cast<const FileChangedBar*>(widget())->text();
        return QAccessibleWidget::text(t);
    }
};

}  // namespace

FileChangedBar::FileChangedBar(QWidget* parent) : QFrame(parent) {
    InstallAccessibleFactory<FileChangedBar, FileChangedBarAccessible>();
    setObjectName("pnlFileChanged");
    setStyleSheet("#pnlFileChanged { background: #fff4ce; border-bottom: 1px solid #d9c27a; }");
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 2, 6, 2);
    auto* icon = new QLabel;
    const int side = style()->pixelMetric(QStyle::PM_SmallIconSize);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(side, side));
    m_text = new QLabel;
    m_text->setObjectName("lblFileChanged");
    m_text->setTextFormat(Qt::PlainText);
    m_text->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_reload = new QPushButton(QString::fromUtf8(texts::kDiskReload));
    m_reload->setObjectName("btnFileReload");
    m_reload->setToolTip(QString::fromUtf8(texts::kDiskReloadHint));
    m_reload->setAutoDefault(false);
    layout->addWidget(icon);
    layout->addWidget(m_text, 1);
    layout->addWidget(m_reload);
    connect(m_reload, &QPushButton::clicked, this, &FileChangedBar::reloadRequested);
    hide();
}

void FileChangedBar::showChanged(const QString& text) { showText(text, true); }

void FileChangedBar::showMissing(const QString& text) { showText(text, false); }

void FileChangedBar::showText(const QString& text, bool reload) {
    const bool news = isHidden() || text != m_text->text() || reload == m_reload->isHidden();
    m_text->setText(text);
    m_reload->setVisible(reload);
    show();
    if (news) {
        QAccessibleEvent alert(this, QAccessible::Alert);
        QAccessible::updateAccessibility(&alert);
    }
}

void FileChangedBar::clear() {
    hide();
    m_text->clear();
}

QString FileChangedBar::text() const { return m_text->text(); }

bool FileChangedBar::offersReload() const { return !isHidden() && !m_reload->isHidden(); }

}  // namespace vq
