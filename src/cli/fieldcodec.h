#pragma once

#include <QByteArray>

// One field of an output line, made safe for its format. Fields are bytes:
// a file name that is not UTF-8 keeps its exact bytes.
namespace FieldCodec {

// Tab, CR and LF as \t, \r, \n; backslash as \\.
QByteArray tsv(const QByteArray &field);

// RFC 4180: quoted when it holds a comma, quote, CR or LF or is no UTF-8,
// quotes doubled.
QByteArray csv(const QByteArray &field);

// For a terminal: like tsv, and every other control character as \xHH, so
// no name can move the cursor or change the terminal's state.
QByteArray table(const QByteArray &field);

// The columns `field` takes on a terminal (code points; a byte that is no
// UTF-8 counts as one).
int width(const QByteArray &field);

} // namespace FieldCodec
