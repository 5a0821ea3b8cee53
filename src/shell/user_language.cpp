#include "shell/user_language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

QLocale UserLocale(const QString& code)
{
    // QLocale reads "pt_BR" and "pt-BR" alike.
    return code.isEmpty() ? QLocale::system() : QLocale(code);
}

std::vector<std::unique_ptr<QTranslator>> LoadTranslations(const QLocale& locale)
{
    // Qt's catalogue first: the translator installed last wins, so the program's own texts
    // decide where both translate the same source.
    const struct
    {
        const char* name;
        QString folder;
    } catalogues[] = {
        {"qt", QLibraryInfo::path(QLibraryInfo::TranslationsPath)},
        {"ferol", QStringLiteral(":/i18n")},
    };
    std::vector<std::unique_ptr<QTranslator>> loaded;
    for (const auto& catalogue : catalogues) {
        auto translator = std::make_unique<QTranslator>();
        if (translator->load(locale, QString::fromLatin1(catalogue.name), QStringLiteral("_"),
                             catalogue.folder))
            loaded.push_back(std::move(translator));
    }
    return loaded;
}

void InstallTranslations(const QLocale& locale)
{
    for (std::unique_ptr<QTranslator>& translator : LoadTranslations(locale)) {
        translator->setParent(QCoreApplication::instance());
        QCoreApplication::installTranslator(translator.release());
    }
}
