#include "settings/languages.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>

namespace {

const QString kCatalogFolder = QStringLiteral(":/i18n");

QString catalogPath(const QString &language)
{
    return kCatalogFolder + QStringLiteral("/brimfold_") + language + QStringLiteral(".qm");
}

// "de-CH", "de_CH" and "de_CH.UTF-8" name the language "de".
QString languageOf(const QString &uiLanguage)
{
    return uiLanguage.section(u'-', 0, 0).section(u'_', 0, 0).section(u'.', 0, 0).toLower();
}

std::unique_ptr<QTranslator> &installed(int which)
{
    static std::unique_ptr<QTranslator> translators[2];
    return translators[which];
}

// A translator removes itself from the application when deleted.
void replace(int which, std::unique_ptr<QTranslator> translator)
{
    installed(which) = std::move(translator);
    if (installed(which))
        QCoreApplication::installTranslator(installed(which).get());
}

std::unique_ptr<QTranslator> loaded(const QString &path)
{
    auto translator = std::make_unique<QTranslator>();
    return translator->load(path) ? std::move(translator) : nullptr;
}

} // namespace

namespace Languages {

QStringList shipped()
{
    QStringList languages;
    for (const QString &file : QDir(kCatalogFolder).entryList({QStringLiteral("brimfold_*.qm")}, QDir::Files, QDir::Name))
        languages << file.section(u'_', 1).section(u'.', 0, 0);
    return languages;
}

QString chosen(const QLocale &locale)
{
    for (const QString &uiLanguage : locale.uiLanguages()) {
        const QString language = languageOf(uiLanguage);
        if (language == u"en")
            return QString();
        if (QFile::exists(catalogPath(language)))
            return language;
    }
    return QString();
}

QString install(const QLocale &locale)
{
    const QString language = chosen(locale);
    replace(0, language.isEmpty() ? nullptr : loaded(catalogPath(language)));
    // Qt's own texts only beside ours, so a window never mixes two languages.
    const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    replace(1, language.isEmpty() ? nullptr : loaded(qtFolder + QStringLiteral("/qtbase_") + language + QStringLiteral(".qm")));
    return language;
}

} // namespace Languages
