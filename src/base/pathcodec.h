#pragma once

#include <QByteArray>
#include <QString>

// File names on this platform are bytes, not text. Valid UTF-8 decodes as
// usual; every byte that is not part of valid UTF-8 becomes the lone
// surrogate U+DC00 + byte, so a name survives the round trip to text and
// back exactly (it shows with replacement marks, and acts on the right file).
namespace PathCodec {
QString decode(const QByteArray &bytes);
QByteArray encode(const QString &text);
// The length of the valid UTF-8 sequence at `at` (1 for ASCII), or 0 where
// the byte there is one that decode() turns into a lone surrogate.
qsizetype validSequenceLength(QByteArrayView bytes, qsizetype at);
} // namespace PathCodec
