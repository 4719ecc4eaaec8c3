#include "core/shell/ProgramTranslation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

void load(const QString &file, const QString &folder)
{
    auto *translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(file, folder))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

} // namespace

void ProgramTranslation::install(const QString &language)
{
    if (language == QLatin1String("en")) {
        // The C locale stays as it is: only a system in another language needs English set.
        if (const QLocale::Language system = QLocale().language(); system != QLocale::C && system != QLocale::English)
            QLocale::setDefault(QLocale(QLocale::English));
        return;
    }
    QLocale::setDefault(QLocale(language));
    load(QStringLiteral("daybloom_") + language, QStringLiteral(":/translations"));
    load(QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}
