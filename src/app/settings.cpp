#include "app/settings.h"

#include "app/inifile.h"

#include <cmath>
#include <optional>

namespace {

const QString kGrid = QStringLiteral("Grid");
const QString kColumnSetting = QStringLiteral("ColumnSetting");
const QString kGeneral = QStringLiteral("General");

// Longest stored value read for each kind of key.
constexpr int kByteKeyLength = 2;
constexpr int kColorKeyLength = 17;
constexpr int kTextKeyLength = 499;

const QString kTypeMismatch = QStringLiteral("Type mismatch");
const QString kOverflow = QStringLiteral("Overflow");

// A whole number in decimal; a fraction is rounded half to even.
std::optional<double> parseNumber(const QString &text)
{
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok || text.isEmpty() || !std::isfinite(value))
        return std::nullopt;
    return std::nearbyint(value);
}

struct Conversion
{
    qint64 value = 0;
    QString error; // empty when the conversion succeeded
};

Conversion convert(const QString &text, qint64 lowest, qint64 highest)
{
    const std::optional<double> number = parseNumber(text);
    if (!number)
        return {0, kTypeMismatch};
    if (*number < double(lowest) || *number > double(highest))
        return {0, kOverflow};
    return {qint64(*number), {}};
}

} // namespace

SettingsStore::SettingsStore(QString filePath) : m_filePath(std::move(filePath)) {}

QStringList SettingsStore::splitVisibility(const QString &text)
{
    return text.isEmpty() ? QStringList() : text.split(u',');
}

bool SettingsStore::ReadSettings(QString *error)
{
    const IniDocument ini = IniDocument::load(m_filePath);
    auto read = [&](const QString &section, const char *key, const QString &fallback, int length) {
        return ini.value(section, QString::fromLatin1(key), fallback, length + 1).trimmed();
    };
    QString failure;
    auto readByte = [&](const char *key, quint8 fallback, quint8 &field) {
        if (!failure.isEmpty())
            return;
        const Conversion c = convert(read(kGrid, key, QString::number(fallback), kByteKeyLength), 0, 255);
        failure = c.error;
        if (failure.isEmpty())
            field = quint8(c.value);
    };
    auto readColor = [&](const char *key, qint32 fallback, qint32 &field) {
        if (!failure.isEmpty())
            return;
        const Conversion c = convert(read(kGrid, key, QString::number(fallback), kColorKeyLength),
                                     INT32_MIN, INT32_MAX);
        failure = c.error;
        if (failure.isEmpty())
            field = qint32(c.value);
    };

    const Settings defaults;
    readByte("Style", defaults.style, m_record.style);
    readByte("Show/Hide", defaults.showHide, m_record.showHide);
    readColor("ForeColor", defaults.foreColor, m_record.foreColor);
    readColor("ForeColorSel", defaults.foreColorSel, m_record.foreColorSel);
    readColor("BackColor", defaults.backColor, m_record.backColor);
    readColor("BackColorSel", defaults.backColorSel, m_record.backColorSel);
    readColor("GridColor", defaults.gridColor, m_record.gridColor);
    if (!failure.isEmpty()) {
        if (error)
            *error = failure;
        return false;
    }
    m_record.backPicture = read(kGrid, "BackPicture", {}, kTextKeyLength);
    m_record.visibility = read(kColumnSetting, "Visibility", {}, kTextKeyLength);
    m_record.startupFolder = read(kGeneral, "StartupFolder", {}, kTextKeyLength);
    m_record.exportLocation = read(kGeneral, "ExportLocation", {}, kTextKeyLength);
    m_record.visibilityList = splitVisibility(m_record.visibility);
    return true;
}

void SettingsStore::WriteSettings(const SettingsValues &values)
{
    // The file is written once at the end; a key whose value cannot be stored
    // on one line (setValue refuses it) keeps its old line.
    IniDocument ini = IniDocument::load(m_filePath);
    auto put = [&](const QString &section, const char *key, const QString &value) {
        ini.setValue(section, QString::fromLatin1(key), value);
    };

    m_record.backPicture = values.backPicture;
    put(kGrid, "BackPicture", values.backPicture);
    m_record.style = values.style;
    put(kGrid, "Style", QString::number(values.style));
    m_record.showHide = values.showGrid ? 1 : 0;
    put(kGrid, "Show/Hide", QString::number(m_record.showHide));
    const std::pair<const char *, qint32 Settings::*> colors[] = {
        {"ForeColor", &Settings::foreColor},       {"ForeColorSel", &Settings::foreColorSel},
        {"BackColor", &Settings::backColor},       {"BackColorSel", &Settings::backColorSel},
        {"GridColor", &Settings::gridColor}};
    const qint32 newColors[] = {values.foreColor, values.foreColorSel, values.backColor,
                                values.backColorSel, values.gridColor};
    for (int i = 0; i < 5; ++i) {
        m_record.*colors[i].second = newColors[i];
        put(kGrid, colors[i].first, QString::number(newColors[i]));
    }

    QStringList flags;
    for (bool visible : values.columnVisible)
        flags.append(visible ? QStringLiteral("1") : QStringLiteral("0"));
    m_record.visibility = flags.join(u',');
    put(kColumnSetting, "Visibility", m_record.visibility);
    m_record.visibilityList = splitVisibility(m_record.visibility);

    m_record.startupFolder = values.startupFolder;
    put(kGeneral, "StartupFolder", values.startupFolder);
    m_record.exportLocation = values.exportLocation;
    put(kGeneral, "ExportLocation", values.exportLocation);

    ini.save(m_filePath);
}
