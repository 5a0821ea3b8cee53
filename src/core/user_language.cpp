#include "core/user_language.h"

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
    // The translator installed last is asked first. Qt's catalogue goes first, so the
    // program's own texts decide where both translate the same source; then the English
    // one, which holds only the plural forms of the source texts ("1 network", "5
    // networks") and so speaks for English and for every language without a catalogue;
    // the user's language last, so its forms win wherever it has them.
    std::vector<std::unique_ptr<QTranslator>> loaded;
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(locale, QStringLiteral("qt"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        loaded.push_back(std::move(qt));
    const QString english = QStringLiteral(":/i18n/ferol_en.qm");
    auto plurals = std::make_unique<QTranslator>();
    if (plurals->load(english))
        loaded.push_back(std::move(plurals));
    auto own = std::make_unique<QTranslator>();
    if (own->load(locale, QStringLiteral("ferol"), QStringLiteral("_"), QStringLiteral(":/i18n")) &&
        own->filePath() != english)
        loaded.push_back(std::move(own));
    return loaded;
}

void InstallTranslations(const QLocale& locale)
{
    for (std::unique_ptr<QTranslator>& translator : LoadTranslations(locale)) {
        translator->setParent(QCoreApplication::instance());
        QCoreApplication::installTranslator(translator.release());
    }
}
