#include "ui/toolbox/QtTranslations.h"

#include "core/Language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace vq {

void InstallQtTranslations() {
    QCoreApplication* application = QCoreApplication::instance();
    // Qt's texts are English to begin with.
    if (!application || CurrentLanguage() != Language::Chinese ||
        application->findChild<QTranslator*>(QStringLiteral("QtTranslations")))
        return;
    auto* translator = new QTranslator(application);
    translator->setObjectName(QStringLiteral("QtTranslations"));
    // "qt_zh_CN" gathers the catalogues of every Qt module.
    if (translator->load(QStringLiteral("qt_zh_CN"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

}  // namespace vq
