#pragma once

#include <QString>

// The folder that holds the running program; settings, help and the export
// scratch file live there.
QString programFolder();

// `relativePath` inside the program's folder, with the platform's separators.
QString programFolderFile(const QString &relativePath);
