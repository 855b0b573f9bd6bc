#pragma once

#include <QString>
#include <QStringList>

// An INI file with the semantics of the classic profile functions: sections
// and keys compare without regard to case, values are trimmed, a missing
// file, section or key yields the caller's default, and writing a key
// replaces its line in place while every other line stays as it was.
class IniDocument
{
public:
    // Reads the whole file once; a missing or unreadable file is an empty
    // document. So is anything but a regular file (a pipe would never end)
    // and a file beyond kMaxFileSize; neither of those is ever overwritten.
    static IniDocument load(const QString &filePath);
    // The document held by `bytes`, as load reads a file: UTF-8, where every
    // byte that is not UTF-8 survives unchanged into toBytes().
    static IniDocument fromBytes(QByteArray bytes);
    static constexpr qint64 kMaxFileSize = 8 * 1024 * 1024;

    // The key's value with surrounding spaces removed, or `defaultValue` when
    // the section or key is missing; at most bufferSize - 1 characters are
    // returned (as a profile buffer of that size would hold).
    QString value(const QString &section, const QString &key, const QString &defaultValue,
                  int bufferSize) const;

    // Creates or replaces the key's line. Refuses (returns false, changes
    // nothing) a section, key or value that would break the line structure.
    bool setValue(const QString &section, const QString &key, const QString &value);

    // Writes the document atomically; never creates the folder. False when
    // the file could not be written, in which case the old file is intact.
    bool save(const QString &filePath) const;
    // The file's bytes: every line read keeps its own text and line end
    // (byte-order marks are dropped); new lines take the file's usual end.
    QByteArray toBytes() const;

    const QStringList &lines() const { return m_lines; }

private:
    struct Location
    {
        int sectionLine = -1; // line of the "[name]" header, -1 when missing
        int keyLine = -1;     // line of "key=value", -1 when missing
        int lastContentLine = -1; // last non-blank line of the section
    };
    Location locate(const QString &section, const QString &key) const;
    void insertLine(int index, const QString &line);

    // A line's own end; None only for a last line that has none. One byte a
    // line: a file of nothing but line breaks must not cost a string each.
    enum class LineEnd : quint8 { None, CrLf, Lf, Cr };
    static QStringView text(LineEnd end);

    QStringList m_lines;
    QList<LineEnd> m_lineEnds;
    bool m_unreadable = false; // the file exists but could not be read: never overwrite it
    LineEnd m_lineEnding = LineEnd::CrLf; // for new lines
};

// The two profile functions, each reading the file afresh.
QString getPrivateProfileString(const QString &section, const QString &key,
                                const QString &defaultValue, int bufferSize,
                                const QString &filePath);
bool writePrivateProfileString(const QString &section, const QString &key, const QString &value,
                               const QString &filePath);
