#include "app/inifile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

bool isSpace(QChar c)
{
    return c == u' ' || c == u'\t';
}

QString trimSpaces(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isSpace(text[begin]))
        ++begin;
    while (end > begin && isSpace(text[end - 1]))
        --end;
    return text.mid(begin, end - begin).toString();
}

// "[name]" -> name, or a null string when the line is no section header.
QString sectionName(const QString &line)
{
    const QString trimmed = trimSpaces(line);
    if (!trimmed.startsWith(u'['))
        return {};
    const qsizetype close = trimmed.indexOf(u']');
    return trimSpaces(QStringView(trimmed).mid(1, close < 0 ? -1 : close - 1));
}

bool isComment(const QString &line)
{
    const QString trimmed = trimSpaces(line);
    return trimmed.startsWith(u';') || trimmed.startsWith(u'#');
}

QString keyOf(const QString &line)
{
    const qsizetype equals = line.indexOf(u'=');
    return equals < 0 ? QString() : trimSpaces(QStringView(line).left(equals));
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

} // namespace

IniDocument IniDocument::load(const QString &filePath)
{
    IniDocument doc;
    QFile file(filePath);
    if (!file.open(QIODevice::ReadOnly)) {
        doc.m_unreadable = file.exists();
        return doc;
    }
    QByteArray bytes = file.readAll();
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);
    if (bytes.isEmpty())
        return doc;
    const QString text = QString::fromUtf8(bytes);
    if (text.contains(u"\r\n"))
        doc.m_lineEnding = QStringLiteral("\r\n");
    else if (text.contains(u'\n'))
        doc.m_lineEnding = QStringLiteral("\n");
    else if (text.contains(u'\r'))
        doc.m_lineEnding = QStringLiteral("\r");
    doc.m_endsWithNewline = text.endsWith(u'\n') || text.endsWith(u'\r');

    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != u'\r' && text[i] != u'\n')
            continue;
        doc.m_lines.append(text.mid(start, i - start));
        if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        doc.m_lines.append(text.mid(start));
    return doc;
}

IniDocument::Location IniDocument::locate(const QString &section, const QString &key) const
{
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
        if (!trimSpaces(line).isEmpty())
            found.lastContentLine = i;
        if (!isComment(line) && keyOf(line).compare(key, Qt::CaseInsensitive) == 0 &&
            line.contains(u'=')) {
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
    if (breaksLine(section) || breaksLine(key) || breaksLine(value) || key.contains(u'=') ||
        section.contains(u']') || trimSpaces(key).isEmpty())
        return false;
    const QString line = key + u'=' + value;
    const Location where = locate(section, key);
    if (where.keyLine >= 0) {
        m_lines[where.keyLine] = line;
    } else if (where.sectionLine >= 0) {
        m_lines.insert(where.lastContentLine + 1, line);
    } else {
        m_lines.append(u'[' + section + u']');
        m_lines.append(line);
    }
    return true;
}

bool IniDocument::save(const QString &filePath) const
{
    const QFileInfo info(filePath);
    if (m_unreadable || (info.exists() && !info.isWritable()))
        return false;
    QSaveFile file(filePath);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QString text = m_lines.join(m_lineEnding);
    if (m_endsWithNewline && !m_lines.isEmpty())
        text += m_lineEnding;
    file.write(text.toUtf8());
    return file.commit();
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
