#include "shell/user_language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

QLocale UserLocale(const QString& code)
{
    if (code.isEmpty())
        return QLocale::system();
    QString name = code;
    name.replace(QLatin1Char('-'), QLatin1Char('_'));
    return QLocale(name);
}

void InstallTranslations(const QLocale& locale)
{
    // Qt's catalogue first: a later translator wins, so the program's own texts decide
    // where both translate the same source.
    const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    const struct
    {
        const char* name;
        QString folder;
    } catalogues[] = {
        {"qt", qtFolder},
        {"ferol", QStringLiteral(":/i18n")},
    };
    for (const auto& catalogue : catalogues) {
        auto* translator = new QTranslator(QCoreApplication::instance());
        if (translator->load(locale, QString::fromLatin1(catalogue.name), QStringLiteral("_"),
                             catalogue.folder))
            QCoreApplication::installTranslator(translator);
        else
            delete translator;
    }
}
