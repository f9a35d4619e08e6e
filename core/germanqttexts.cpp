#include "core/germanqttexts.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

QTranslator *installGermanQtTexts()
{
    auto *translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(QStringLiteral("qtbase_de"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))
        && QCoreApplication::installTranslator(translator))
        return translator;
    delete translator;
    return nullptr;
}
