#include "settings/inifile.h"

#include "base/pathcodec.h"
#include "base/replacefile.h"

#include <QFile>
#include <QFileInfo>

#include <optional>

namespace {

bool isSpace(QChar c)
{
    return c == u' ' || c == u'\t';
}

// Lines are looked at without copies: a lookup passes every line of a file
// that may hold millions of them.
QStringView trimmedView(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isSpace(text[begin]))
        ++begin;
    while (end > begin && isSpace(text[end - 1]))
        --end;
    return text.mid(begin, end - begin);
}

QString trimSpaces(QStringView text)
{
    return trimmedView(text).toString();
}

// "[name]" -> name, or a null string when the line is no section header.
QString sectionName(const QString &line)
{
    const QStringView trimmed = trimmedView(line);
    if (!trimmed.startsWith(u'['))
        return {};
    const qsizetype close = trimmed.indexOf(u']');
    return trimSpaces(trimmed.mid(1, close < 0 ? -1 : close - 1));
}

bool isComment(const QString &line)
{
    const QStringView trimmed = trimmedView(line);
    return trimmed.startsWith(u';') || trimmed.startsWith(u'#');
}

// The key of a "key=value" line; nothing for a line without "=".
std::optional<QStringView> keyOf(const QString &line)
{
    const qsizetype equals = line.indexOf(u'=');
    if (equals < 0)
        return std::nullopt;
    return trimmedView(QStringView(line).left(equals));
}

// Cuts to at most `count` UTF-16 units without splitting a surrogate pair.
QString cutTo(const QString &text, int count)
{
    if (count < 0)
        count = 0;
    if (text.size() <= count)
        return text;
    if (count > 0 && text[count - 1].isHighSurrogate())
        --count;
    return text.left(count);
}

bool breaksLine(const QString &text)
{
    return text.contains(u'\n') || text.contains(u'\r') || text.contains(QChar(0));
}

// A key that would read back as a section header or a comment, or as
// another key, or as no key at all.
bool isUnusableKey(const QString &key)
{
    const QString trimmed = trimSpaces(key);
    return trimmed.isEmpty() || trimmed.startsWith(u'[') || trimmed.startsWith(u';')
            || trimmed.startsWith(u'#') || key.contains(u'=');
}

} // namespace

IniDocument IniDocument::load(const QString &filePath)
{
    const QFileInfo info(filePath);
    if (!info.exists())
        return {};
    IniDocument unreadable;
    unreadable.m_unreadable = true;
    if (!info.isFile() || info.size() > kMaxFileSize)
        return unreadable;
    QFile file(filePath);
    if (!file.open(QIODevice::ReadOnly))
        return unreadable;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return unreadable;
    return fromBytes(bytes);
}

IniDocument IniDocument::fromBytes(QByteArray bytes)
{
    IniDocument doc;
    // Every leading byte-order mark goes: one kept inside the first line
    // would hide a section header there until the next write dropped it.
    while (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);
    const QString text = PathCodec::decode(bytes);
    if (text.contains(u"\r\n"))
        doc.m_lineEnding = LineEnd::CrLf;
    else if (text.contains(u'\n'))
        doc.m_lineEnding = LineEnd::Lf;
    else if (text.contains(u'\r'))
        doc.m_lineEnding = LineEnd::Cr;

    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != u'\r' && text[i] != u'\n')
            continue;
        const bool crlf = text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n';
        doc.m_lines.append(text.mid(start, i - start));
        doc.m_lineEnds.append(crlf ? LineEnd::CrLf : text[i] == u'\n' ? LineEnd::Lf : LineEnd::Cr);
        if (crlf)
            ++i;
        start = i + 1;
    }
    if (start < text.size()) {
        doc.m_lines.append(text.mid(start));
        doc.m_lineEnds.append(LineEnd::None);
    }
    return doc;
}

IniDocument::Location IniDocument::locate(const QString &sectionWanted,
                                          const QString &keyWanted) const
{
    // Names are read without surrounding spaces: compare them so.
    const QString section = trimSpaces(sectionWanted);
    const QString key = trimSpaces(keyWanted);
    Location found;
    bool inSection = false;
    for (int i = 0; i < m_lines.size(); ++i) {
        const QString &line = m_lines[i];
        const QString name = sectionName(line);
        if (!name.isNull()) {
            if (found.sectionLine >= 0 && inSection)
                break; // the first section of that name is the one that counts
            inSection = name.compare(section, Qt::CaseInsensitive) == 0;
            if (inSection) {
                found.sectionLine = i;
                found.lastContentLine = i;
            }
            continue;
        }
        if (!inSection)
            continue;
        if (!trimmedView(line).isEmpty())
            found.lastContentLine = i;
        const std::optional<QStringView> lineKey = keyOf(line);
        if (lineKey && !isComment(line) && lineKey->compare(key, Qt::CaseInsensitive) == 0) {
            found.keyLine = i;
            return found;
        }
    }
    return found;
}

QString IniDocument::value(const QString &section, const QString &key,
                           const QString &defaultValue, int bufferSize) const
{
    const Location where = locate(section, key);
    QString result = defaultValue;
    if (where.keyLine >= 0) {
        const QString &line = m_lines[where.keyLine];
        result = trimSpaces(QStringView(line).mid(line.indexOf(u'=') + 1));
    }
    return cutTo(result, bufferSize - 1);
}

bool IniDocument::setValue(const QString &section, const QString &key, const QString &value)
{
    if (breaksLine(section) || breaksLine(key) || breaksLine(value) || isUnusableKey(key) ||
        section.contains(u']'))
        return false;
    const QString line = key + u'=' + value;
    const Location where = locate(section, key);
    if (where.keyLine >= 0) {
        m_lines[where.keyLine] = line;
    } else if (where.sectionLine >= 0) {
        insertLine(where.lastContentLine + 1, line);
    } else {
        insertLine(int(m_lines.size()), u'[' + section + u']');
        insertLine(int(m_lines.size()), line);
    }
    return true;
}

// A line added after a last line that had no line end gives it one and
// takes its place as the unterminated last line.
void IniDocument::insertLine(int index, const QString &line)
{
    LineEnd end = m_lineEnding;
    if (index > 0 && m_lineEnds[index - 1] == LineEnd::None)
        std::swap(end, m_lineEnds[index - 1]);
    m_lines.insert(index, line);
    m_lineEnds.insert(index, end);
}

bool IniDocument::save(const QString &filePath) const
{
    const QFileInfo info(filePath);
    if (m_unreadable || (info.exists() && !info.isWritable()))
        return false;
    // A folder that takes no new file (so no temporary one) with a writable
    // file in it: the file is rewritten in place, as a key-by-key write would.
    return replaceFileWith(filePath, toBytes(), nullptr, true);
}

QByteArray IniDocument::toBytes() const
{
    QString text;
    for (qsizetype i = 0; i < m_lines.size(); ++i) {
        text += m_lines[i];
        text += IniDocument::text(m_lineEnds[i]);
    }
    return PathCodec::encode(text);
}

QStringView IniDocument::text(LineEnd end)
{
    switch (end) {
    case LineEnd::CrLf: return u"\r\n";
    case LineEnd::Lf: return u"\n";
    case LineEnd::Cr: return u"\r";
    case LineEnd::None: break;
    }
    return {};
}

QString getPrivateProfileString(const QString &section, const QString &key,
                                const QString &defaultValue, int bufferSize,
                                const QString &filePath)
{
    return IniDocument::load(filePath).value(section, key, defaultValue, bufferSize);
}

bool writePrivateProfileString(const QString &section, const QString &key, const QString &value,
                               const QString &filePath)
{
    IniDocument doc = IniDocument::load(filePath);
    return doc.setValue(section, key, value) && doc.save(filePath);
}
