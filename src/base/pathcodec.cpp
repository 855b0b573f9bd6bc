#include "base/pathcodec.h"

#include <cstring>

namespace PathCodec {

namespace {

int validSequenceLength(const unsigned char *s, qsizetype i, qsizetype n)
{
    const unsigned char c = s[i];
    if (c < 0x80)
        return 1;
    int length;
    unsigned char low = 0x80, high = 0xBF;
    if (c >= 0xC2 && c <= 0xDF) {
        length = 2;
    } else if (c >= 0xE0 && c <= 0xEF) {
        length = 3;
        if (c == 0xE0)
            low = 0xA0;
        if (c == 0xED)
            high = 0x9F; // no encoded surrogates
    } else if (c >= 0xF0 && c <= 0xF4) {
        length = 4;
        if (c == 0xF0)
            low = 0x90;
        if (c == 0xF4)
            high = 0x8F;
    } else {
        return 0;
    }
    if (i + length > n)
        return 0;
    if (s[i + 1] < low || s[i + 1] > high)
        return 0;
    for (int k = 2; k < length; ++k)
        if (s[i + k] < 0x80 || s[i + k] > 0xBF)
            return 0;
    return length;
}

// Appends valid UTF-8. QString::fromUtf8 drops a byte-order mark at the
// start of what it is given, which would turn the name "\xEF\xBB\xBFa" into
// "a", another file's name: each leading mark is kept by hand.
void appendValidUtf8(QString &text, const char *run, qsizetype length)
{
    static constexpr char kByteOrderMark[] = "\xEF\xBB\xBF";
    constexpr qsizetype kMarkLength = 3;
    while (length >= kMarkLength && std::memcmp(run, kByteOrderMark, kMarkLength) == 0) {
        text += QChar(char16_t(0xFEFF));
        run += kMarkLength;
        length -= kMarkLength;
    }
    text += QString::fromUtf8(run, length);
}

} // namespace

qsizetype validSequenceLength(QByteArrayView bytes, qsizetype at)
{
    return validSequenceLength(reinterpret_cast<const unsigned char *>(bytes.data()), at, bytes.size());
}

QString decode(const QByteArray &bytes)
{
    const auto *s = reinterpret_cast<const unsigned char *>(bytes.constData());
    const qsizetype n = bytes.size();
    QString text;
    text.reserve(n);
    qsizetype runStart = 0;
    for (qsizetype i = 0; i < n;) {
        const int length = validSequenceLength(s, i, n);
        if (length > 0) {
            i += length;
            continue;
        }
        appendValidUtf8(text, bytes.constData() + runStart, i - runStart);
        text += QChar(char16_t(0xDC00 + s[i]));
        runStart = ++i;
    }
    appendValidUtf8(text, bytes.constData() + runStart, n - runStart);
    return text;
}

QByteArray encode(const QString &text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    qsizetype runStart = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t u = text[i].unicode();
        const bool escapedByte = u >= 0xDC80 && u <= 0xDCFF &&
                                 (i == 0 || !text[i - 1].isHighSurrogate());
        if (!escapedByte)
            continue;
        bytes += QStringView(text).mid(runStart, i - runStart).toUtf8();
        bytes += char(u - 0xDC00);
        runStart = i + 1;
    }
    bytes += QStringView(text).mid(runStart).toUtf8();
    return bytes;
}

} // namespace PathCodec
