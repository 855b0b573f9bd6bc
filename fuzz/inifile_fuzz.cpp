// Fuzz target: the settings file reader and writer on arbitrary file bytes.

#include "settings/inifile.h"
#include "fuzzcheck.h"

#include <algorithm>

#include <cstddef>
#include <cstdint>

namespace {

const QByteArray kByteOrderMark("\xEF\xBB\xBF");
constexpr int kLargeBuffer = 1 << 20;

bool isSpace(QChar c)
{
    return c == u' ' || c == u'\t';
}

// Values are read without surrounding spaces and tabs (and nothing else).
QString withoutSpaces(QString text)
{
    while (!text.isEmpty() && isSpace(text.back()))
        text.chop(1);
    while (!text.isEmpty() && isSpace(text.front()))
        text.remove(0, 1);
    return text;
}

// A key and section the file itself uses, so lookups also find something:
// the first "key=value" line and the header above it.
std::pair<QString, QString> firstKeyOf(const IniDocument &doc)
{
    QString section;
    for (const QString &line : doc.lines()) {
        const QString trimmed = line.trimmed();
        if (trimmed.startsWith(u'['))
            section = trimmed.mid(1, trimmed.indexOf(u']') - 1);
        else if (line.contains(u'='))
            return {section, line.left(line.indexOf(u'='))};
    }
    return {QStringLiteral("Grid"), QStringLiteral("Style")};
}

// A value is read without surrounding spaces, then cut to the buffer (so a
// cut one may end in a space), never splitting a surrogate pair.
void checkLookup(const IniDocument &doc, const QString &section, const QString &key)
{
    const QString whole = doc.value(section, key, QStringLiteral("default"), kLargeBuffer);
    FUZZ_CHECK(whole.isEmpty() || (!isSpace(whole.front()) && !isSpace(whole.back()))
               || whole == QStringLiteral("default"));
    for (int buffer : {1, 3, 18, 500}) {
        const QString value = doc.value(section, key, QStringLiteral("default"), buffer);
        const qsizetype room = std::min<qsizetype>(whole.size(), buffer - 1);
        FUZZ_CHECK(whole.startsWith(value));
        FUZZ_CHECK(value.size() == room || (value.size() == room - 1 && whole[room - 1].isHighSurrogate()));
    }
}

// `after` holds every line of `before` in order, with at most one changed
// (a key replaced in place) or at most two added (a key, and its section).
bool keepsOtherLines(const QStringList &before, const QStringList &after)
{
    const qsizetype added = after.size() - before.size();
    if (added < 0 || added > 2)
        return false;
    qsizetype mismatches = 0;
    for (qsizetype i = 0, j = 0; i < before.size(); ++j) {
        if (j >= after.size())
            return false;
        if (before[i] == after[j])
            ++i;
        else if (added == 0 && ++mismatches <= 1)
            ++i;
    }
    return true;
}

void checkWrite(const IniDocument &doc, const QString &section, const QString &key,
                const QString &value)
{
    IniDocument changed = doc;
    if (!changed.setValue(section, key, value)) {
        FUZZ_CHECK(changed.toBytes() == doc.toBytes());
        return;
    }
    FUZZ_CHECK(keepsOtherLines(doc.lines(), changed.lines()));
    const IniDocument reread = IniDocument::fromBytes(changed.toBytes());
    FUZZ_CHECK(reread.lines() == changed.lines());
    FUZZ_CHECK(reread.value(section, key, QStringLiteral("missing"), kLargeBuffer)
               == withoutSpaces(value));
}

} // namespace

extern "C" int FUZZ_ENTRY(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const IniDocument doc = IniDocument::fromBytes(bytes);
    // Reading and writing back changes nothing but leading byte-order marks.
    QByteArray expected = bytes;
    while (expected.startsWith(kByteOrderMark))
        expected.remove(0, kByteOrderMark.size());
    FUZZ_CHECK(doc.toBytes() == expected);

    const auto [section, key] = firstKeyOf(doc);
    checkLookup(doc, section, key);
    checkLookup(doc, QStringLiteral("Grid"), QStringLiteral("ForeColor"));
    checkWrite(doc, section, key, QStringLiteral("new"));
    checkWrite(doc, QStringLiteral("Grid"), QStringLiteral("Style"), QStringLiteral("7"));
    checkWrite(doc, QStringLiteral("General"), QStringLiteral("StartupFolder"),
               QStringLiteral("/a\nb"));
    checkWrite(doc, QStringLiteral("ColumnSetting"), key, section);
    return 0;
}
