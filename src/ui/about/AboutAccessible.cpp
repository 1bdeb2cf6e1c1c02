#include "ui/about/AboutAccessible.h"

#include "ui/about/AboutBoxTexts.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QWidget>

namespace vq {

namespace {

// The About box reads as a dialog, and its playfield as one graphic that says what it holds:
// its bricks, bat and ball are what the graphic shows, not objects of their own.
class PlayfieldAccessible : public QAccessibleWidget {
public:
    explicit PlayfieldAccessible(QWidget* widget) : QAccessibleWidget(widget, QAccessible::Graphic) {}
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name)
            return QString::fromUtf8(texts::kPlayfieldName);
        if (t == QAccessible::Description)
            return QString::fromUtf8(texts::kPlayfieldDescription);
        return QAccessibleWidget::text(t);
    }
    int childCount() const override { return 0; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
};

QAccessibleInterface* AboutAccessibleFactory(const QString& className, QObject* object) {
    if (!object || !object->isWidgetType())
        return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    if (className == QLatin1String("vq::TAboutBox"))
        return new QAccessibleWidget(widget, QAccessible::Dialog);
    if (className == QLatin1String("QWidget") && object->objectName() == QLatin1String("pnlBack"))
        return new PlayfieldAccessible(widget);
    return nullptr;
}

}  // namespace

void InstallAboutBoxAccessibility() {
    static const bool installed = (QAccessible::installFactory(AboutAccessibleFactory), true);
    Q_UNUSED(installed);
}

}  // namespace vq
