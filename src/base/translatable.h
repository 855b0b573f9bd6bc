#pragma once

#include <QCoreApplication>
#include <QString>

// A text a person reads, kept as its English source and translated each time
// it is read, so a constant made before the translators are installed still
// speaks the user's language. Its source is marked where it is defined:
//   static constexpr Translatable DoneText{"SearchRun", QT_TRANSLATE_NOOP("SearchRun", "Done")};
struct Translatable
{
    const char *context;
    const char *source;

    QString text() const { return QCoreApplication::translate(context, source); }
    operator QString() const { return text(); }
};
