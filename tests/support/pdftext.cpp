#include "support/pdftext.h"

#include <QProcess>
#include <QRegularExpression>

namespace TestSupport {

QStringList pdfTextPages(const QString &path)
{
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    if (!pdftotext.waitForFinished(60000) || pdftotext.exitCode() != 0)
        return {};
    QStringList pages = QString::fromUtf8(pdftotext.readAllStandardOutput()).split(u'\f');
    pages.removeLast(); // after the last page's form feed
    static const QRegularExpression spaces(QStringLiteral(" +"));
    for (QString &page : pages)
        page = page.split(u'\n').replaceInStrings(spaces, QStringLiteral(" ")).join(u'\n');
    return pages;
}

bool hasLine(const QString &text, const QString &line)
{
    static const QRegularExpression ends(QStringLiteral("^ | $"));
    return text.split(u'\n').replaceInStrings(ends, QString()).contains(line);
}

} // namespace TestSupport
