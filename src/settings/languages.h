#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

// The program speaks the desktop's language: the first of the locale's UI
// languages (LANGUAGE, then LC_ALL, LC_MESSAGES, LANG, as QLocale::system()
// reads them) that it ships, or English, its own texts, when English comes
// first or none is shipped. Qt's own dialogs follow in the same language.
namespace Languages {

// The languages shipped besides English, as catalog suffixes.
QStringList shipped();

// The shipped language `locale` asks for first ("de"), or "" for English.
QString chosen(const QLocale &locale);

// Installs the catalogs of chosen(`locale`) on the running QCoreApplication,
// replacing those an earlier call installed; returns chosen(`locale`).
// Call on the main thread, after the application object is made.
QString install(const QLocale &locale = QLocale::system());

} // namespace Languages
