#include "ui/qtchoosers.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QStringList>

std::optional<QColor> QtChoosers::chooseColor(QWidget *owner)
{
    const QColor color = QColorDialog::getColor(Qt::white, owner);
    if (!color.isValid())
        return std::nullopt;
    return color;
}

std::optional<QString> QtChoosers::chooseOpenFile(QWidget *owner, const QString &filter)
{
    const QUrl url = QFileDialog::getOpenFileUrl(owner, QString(), QUrl(), qtFilter(filter));
    if (url.isEmpty() || !url.isLocalFile())
        return std::nullopt;
    return url.toLocalFile();
}

std::optional<QString> QtChoosers::chooseFolder(QWidget *owner, const QString &title)
{
    const QUrl url = QFileDialog::getExistingDirectoryUrl(
        owner, title, QUrl(), QFileDialog::ShowDirsOnly, {QStringLiteral("file")});
    if (url.isEmpty() || !url.isLocalFile())
        return std::nullopt;
    return url.toLocalFile();
}

QString QtChoosers::qtFilter(const QString &filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList entries;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString patterns = QString(parts[i + 1]).replace(QLatin1Char(';'), QLatin1Char(' '));
        entries << parts[i] + QStringLiteral(" (") + patterns + QLatin1Char(')');
    }
    return entries.join(QStringLiteral(";;"));
}
