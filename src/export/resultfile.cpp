#include "export/resultfile.h"

#include "base/pathcodec.h"

#include <QCoreApplication>
#include <QIODevice>

#include <optional>

namespace ResultFile {
namespace {

constexpr char kHex[] = "0123456789abcdef";
constexpr QByteArrayView kSourceKey = "{\"brimfold_results\":";

void appendEscape(QByteArray &out, unsigned value)
{
    out += "\\u";
    for (int shift = 12; shift >= 0; shift -= 4)
        out += kHex[(value >> shift) & 0xF];
}

// A name's bytes as a JSON string.
void appendBytes(QByteArray &out, QByteArrayView bytes)
{
    out += '"';
    for (qsizetype i = 0; i < bytes.size();) {
        const uchar c = uchar(bytes[i]);
        if (c >= 0x80) {
            const qsizetype length = PathCodec::validSequenceLength(bytes, i);
            if (length == 0) {
                appendEscape(out, 0xDC00 + c); // as PathCodec reads it
                ++i;
            } else {
                out += bytes.sliced(i, length);
                i += length;
            }
            continue;
        }
        if (c == '"' || c == '\\') {
            out += '\\';
            out += char(c);
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\t') {
            out += "\\t";
        } else if (c == '\r') {
            out += "\\r";
        } else if (c < 0x20 || c == 0x7F) {
            appendEscape(out, c);
        } else {
            out += char(c);
        }
        ++i;
    }
    out += '"';
}

// A text as a JSON string; a lone surrogate (a name's byte that is not
// UTF-8) goes back to its byte, and so to its escape.
void appendText(QByteArray &out, QStringView text)
{
    appendBytes(out, PathCodec::encode(text.toString()));
}

void appendKey(QByteArray &out, const char *key)
{
    out += '"';
    out += key;
    out += "\":";
}

// ---- reading: flat objects of strings, numbers, true, false, null and lists

struct Value
{
    enum class Kind { Missing, String, Number, Bool, Null, List };
    Kind kind = Kind::Missing;
    QString text;
    qint64 number = 0;
    bool flag = false;
    QList<Value> items;
};

class LineParser
{
public:
    explicit LineParser(QByteArrayView line) : m_line(line) {}

    // The object's members, in order; nullopt when the line is no JSON object.
    std::optional<QList<std::pair<QByteArray, Value>>> object()
    {
        QList<std::pair<QByteArray, Value>> members;
        if (!take('{'))
            return std::nullopt;
        if (take('}'))
            return finished() ? std::optional(members) : std::nullopt;
        do {
            Value key;
            if (!string(key) || !take(':'))
                return std::nullopt;
            Value value;
            if (!parse(value))
                return std::nullopt;
            members.append({key.text.toUtf8(), std::move(value)});
        } while (take(','));
        if (!take('}') || !finished())
            return std::nullopt;
        return members;
    }

private:
    void skipSpace()
    {
        while (m_at < m_line.size() && (m_line[m_at] == ' ' || m_line[m_at] == '\t' || m_line[m_at] == '\r'))
            ++m_at;
    }
    bool take(char c)
    {
        skipSpace();
        if (m_at < m_line.size() && m_line[m_at] == c) {
            ++m_at;
            return true;
        }
        return false;
    }
    bool finished()
    {
        skipSpace();
        return m_at == m_line.size();
    }
    bool word(QByteArrayView w)
    {
        if (m_line.sliced(m_at).startsWith(w)) {
            m_at += w.size();
            return true;
        }
        return false;
    }

    bool parse(Value &value)
    {
        skipSpace();
        if (m_at >= m_line.size())
            return false;
        const char c = m_line[m_at];
        if (c == '"')
            return string(value);
        if (c == '[')
            return list(value);
        if (word("true") || word("false")) {
            value.kind = Value::Kind::Bool;
            value.flag = m_line[m_at - 1] == 'e' && m_line[m_at - 2] == 'u';
            return true;
        }
        if (word("null")) {
            value.kind = Value::Kind::Null;
            return true;
        }
        return number(value);
    }

    bool number(Value &value)
    {
        const qsizetype start = m_at;
        if (m_at < m_line.size() && m_line[m_at] == '-')
            ++m_at;
        while (m_at < m_line.size() && m_line[m_at] >= '0' && m_line[m_at] <= '9')
            ++m_at;
        bool ok = false;
        value.number = m_line.sliced(start, m_at - start).toLongLong(&ok);
        value.kind = Value::Kind::Number;
        return ok;
    }

    bool list(Value &value)
    {
        take('[');
        value.kind = Value::Kind::List;
        if (take(']'))
            return true;
        do {
            Value item;
            if (!parse(item))
                return false;
            value.items.append(std::move(item));
        } while (take(','));
        return take(']');
    }

    bool string(Value &value)
    {
        if (!take('"'))
            return false;
        value.kind = Value::Kind::String;
        QString &text = value.text;
        qsizetype runStart = m_at;
        // As a name's bytes are read everywhere: a leading byte-order mark kept.
        const auto flushRun = [&] { text += PathCodec::decode(m_line.sliced(runStart, m_at - runStart).toByteArray()); };
        while (m_at < m_line.size()) {
            const char c = m_line[m_at];
            if (c == '"') {
                flushRun();
                ++m_at;
                return true;
            }
            if (uchar(c) < 0x20)
                return false;
            if (c != '\\') {
                ++m_at;
                continue;
            }
            flushRun();
            if (++m_at >= m_line.size())
                return false;
            const char escaped = m_line[m_at++];
            switch (escaped) {
            case '"': text += u'"'; break;
            case '\\': text += u'\\'; break;
            case '/': text += u'/'; break;
            case 'b': text += u'\b'; break;
            case 'f': text += u'\f'; break;
            case 'n': text += u'\n'; break;
            case 'r': text += u'\r'; break;
            case 't': text += u'\t'; break;
            case 'u': {
                bool ok = false;
                const uint code = m_at + 4 <= m_line.size() ? m_line.sliced(m_at, 4).toUInt(&ok, 16) : 0;
                if (!ok)
                    return false;
                text += QChar(char16_t(code));
                m_at += 4;
                break;
            }
            default:
                return false;
            }
            runStart = m_at;
        }
        return false; // cut off inside the string
    }

    QByteArrayView m_line;
    qsizetype m_at = 0;
};

const Value &member(const QList<std::pair<QByteArray, Value>> &members, QByteArrayView key)
{
    static const Value missing;
    for (const auto &[name, value] : members)
        if (name == key)
            return value;
    return missing;
}

struct ResultFileWords
{
    Q_DECLARE_TR_FUNCTIONS(ResultFile)
};

} // namespace

QByteArray sourceLine(const Source &source)
{
    QByteArray out = kSourceKey.toByteArray() + QByteArray::number(kVersion);
    out += ',';
    appendKey(out, "host");
    appendText(out, source.host);
    out += ',';
    appendKey(out, "start_folder");
    appendText(out, source.startFolder);
    out += ',';
    appendKey(out, "subfolders");
    out += source.subfolders ? "true" : "false";
    out += ',';
    appendKey(out, "searched");
    out += '[';
    for (qsizetype i = 0; i < source.searched.size(); ++i) {
        out += i ? ",[" : "[";
        appendText(out, source.searched[i].label);
        out += ',';
        appendText(out, source.searched[i].text);
        out += ']';
    }
    out += "],";
    appendKey(out, "started");
    // With its offset from UTC, as the files' times.
    appendText(out, source.started.toOffsetFromUtc(source.started.offsetFromUtc()).toString(Qt::ISODate));
    out += ',';
    appendKey(out, "program");
    appendText(out, source.program);
    out += "}\n";
    return out;
}

void appendFileLine(QByteArray &out, const FileFields &file)
{
    out += "{\"folder\":";
    appendBytes(out, file.folder);
    out += ",\"name\":";
    appendBytes(out, file.name);
    out += ",\"size\":";
    out += QByteArray::number(file.size);
    out += ",\"modified\":";
    appendBytes(out, file.modified);
    if (file.pages >= 0) {
        out += ",\"pages\":";
        out += QByteArray::number(file.pages);
        out += ",\"worth\":";
        appendText(out, file.worth);
    } else {
        out += ",\"pages\":null,\"reason\":";
        appendText(out, file.reason);
    }
    out += "}\n";
}

QByteArray endLine(qint64 files, qint64 pages, qint64 unreadable, bool cancelled)
{
    return "{\"end\":true,\"files\":" + QByteArray::number(files) + ",\"pages\":" + QByteArray::number(pages)
           + ",\"unreadable\":" + QByteArray::number(unreadable) + ",\"cancelled\":"
           + (cancelled ? "true" : "false") + "}\n";
}

bool read(QIODevice &in, const QString &name, const Handlers &handlers, QString &error)
{
    qint64 lineNumber = 0;
    const auto fail = [&](const QString &why) {
        error = QStringLiteral("%1:%2: %3").arg(name, QString::number(lineNumber), why);
        return false;
    };
    Source source;
    qint64 files = 0;
    bool inSearch = false; // between a search's first record and its end record
    QByteArray line;
    while (!in.atEnd()) {
        line = in.readLine();
        if (line.isEmpty()) // a pipe tells its end only when read
            break;
        ++lineNumber;
        if (!line.endsWith('\n'))
            return fail(ResultFileWords::tr("the file ends inside a record"));
        line.chop(1);
        const auto members = LineParser(line).object();
        const bool opensSearch = members && member(*members, "brimfold_results").kind == Value::Kind::Number;
        if (lineNumber == 1 && !opensSearch)
            return fail(ResultFileWords::tr("not a result file of brimfold-count"));
        if (!members)
            return fail(ResultFileWords::tr("not a record of a result file"));
        const auto text = [&](QByteArrayView key) { return member(*members, key).text; };
        if (opensSearch) {
            if (inSearch)
                return fail(ResultFileWords::tr("a search begins before the last one's end record"));
            const qint64 version = member(*members, "brimfold_results").number;
            if (version > kVersion)
                return fail(ResultFileWords::tr("written in a later format (version %1; this program reads %2)")
                                    .arg(version)
                                    .arg(kVersion));
            source = {};
            source.host = text("host");
            source.startFolder = text("start_folder");
            source.subfolders = member(*members, "subfolders").flag;
            for (const Value &pair : member(*members, "searched").items)
                if (pair.items.size() == 2)
                    source.searched.append({pair.items[0].text, pair.items[1].text});
            source.started = QDateTime::fromString(text("started"), Qt::ISODate);
            source.program = text("program");
            files = 0;
            inSearch = true;
            handlers.source(source);
            continue;
        }
        if (!inSearch)
            return fail(ResultFileWords::tr("a record after the end record"));
        if (member(*members, "end").flag) {
            if (member(*members, "files").number != files)
                return fail(ResultFileWords::tr("the end record counts %1 files where %2 were read")
                                    .arg(member(*members, "files").number)
                                    .arg(files));
            source.cancelled = member(*members, "cancelled").flag;
            source.files = files;
            inSearch = false;
            handlers.end(source);
            continue;
        }
        const Value &pages = member(*members, "pages");
        if (member(*members, "name").kind != Value::Kind::String
            || (pages.kind != Value::Kind::Number && pages.kind != Value::Kind::Null))
            return fail(ResultFileWords::tr("a file's record without its name or pages"));
        Record record{text("folder"), text("name"),       member(*members, "size").number, text("modified"),
                      pages.kind == Value::Kind::Number ? int(pages.number) : -1,
                      text("reason"), text("worth")};
        ++files;
        handlers.file(std::move(record));
    }
    if (lineNumber == 0)
        return fail(ResultFileWords::tr("the file is empty"));
    if (inSearch)
        return fail(ResultFileWords::tr("the file ends before its end record"));
    return true;
}

} // namespace ResultFile
