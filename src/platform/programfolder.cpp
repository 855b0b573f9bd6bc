#include "platform/programfolder.h"

#include <QCoreApplication>
#include <QDir>

QString programFolder()
{
    return QDir::toNativeSeparators(QCoreApplication::applicationDirPath());
}

QString programFolderFile(const QString &relativePath)
{
    return QDir::toNativeSeparators(QDir(QCoreApplication::applicationDirPath()).filePath(relativePath));
}
