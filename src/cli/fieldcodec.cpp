#include "cli/fieldcodec.h"

#include "base/pathcodec.h"

#include <QList>
#include <QUtf8StringView>

namespace FieldCodec {

namespace {

bool needsEscape(const QByteArray &field, bool allControls)
{
    for (const char c : field) {
        const auto byte = uchar(c);
        if (c == '\\' || (allControls ? byte < 0x20 || byte == 0x7f : c == '\t' || c == '\r' || c == '\n'))
            return true;
    }
    return false;
}

QByteArray escaped(const QByteArray &field, bool allControls)
{
    if (!needsEscape(field, allControls))
        return field; // the common case, and a shared copy
    QByteArray out;
    out.reserve(field.size());
    for (const char c : field) {
        const auto byte = uchar(c);
        switch (c) {
        case '\t': out += "\\t"; break;
        case '\r': out += "\\r"; break;
        case '\n': out += "\\n"; break;
        case '\\': out += "\\\\"; break;
        default:
            if (allControls && (byte < 0x20 || byte == 0x7f))
                out += "\\x" + QByteArray::number(byte, 16).rightJustified(2, '0');
            else
                out += c;
        }
    }
    return out;
}

bool isUtf8(const QByteArray &bytes)
{
    return QUtf8StringView(bytes).isValidUtf8();
}

} // namespace

QByteArray tsv(const QByteArray &field)
{
    return escaped(field, false);
}

QByteArray table(const QByteArray &field)
{
    return escaped(field, true);
}

QByteArray csv(const QByteArray &field)
{
    const bool quote = field.contains(',') || field.contains('"') || field.contains('\r')
                       || field.contains('\n') || !isUtf8(field);
    if (!quote)
        return field;
    QByteArray out = field;
    out.replace("\"", "\"\"");
    return '"' + out + '"';
}

int width(const QByteArray &field)
{
    return int(PathCodec::decode(field).toUcs4().size());
}

} // namespace FieldCodec
