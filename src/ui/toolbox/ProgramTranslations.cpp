#include "ui/toolbox/ProgramTranslations.h"

#include "core/Language.h"

#include <QCoreApplication>
#include <QTranslator>

namespace vq {

void InstallProgramTranslations() {
    QCoreApplication* application = QCoreApplication::instance();
    if (!application || CurrentLanguage() != Language::English ||
        application->findChild<QTranslator*>(QStringLiteral("ProgramTranslations")))
        return;
    auto* translator = new QTranslator(application);
    translator->setObjectName(QStringLiteral("ProgramTranslations"));
    if (translator->load(QStringLiteral(":/translations/varnoquil_en.qm")))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

}  // namespace vq
