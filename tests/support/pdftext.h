#pragma once

#include <QStringList>

namespace TestSupport {
// The text of a PDF's pages as pdftotext -layout reads it, one entry a page,
// runs of spaces squeezed to one; empty when it cannot be read.
QStringList pdfTextPages(const QString &path);
// True when one of the text's lines, trimmed, is `line`.
bool hasLine(const QString &text, const QString &line);
} // namespace TestSupport
