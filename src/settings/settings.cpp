#include "settings/settings.h"

#include "settings/inifile.h"

#include <QCoreApplication>

#include <cmath>
#include <optional>
#include <variant>

namespace {

// Longest stored value read for each kind of key.
constexpr int kByteKeyLength = 2;
constexpr int kColorKeyLength = 17;
constexpr int kTextKeyLength = 499;


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
        //: A stored setting is no number
        return {0, QCoreApplication::translate("Settings", "Type mismatch")};
    if (*number < double(lowest) || *number > double(highest))
        //: A stored setting is a number out of range
        return {0, QCoreApplication::translate("Settings", "Overflow")};
    return {qint64(*number), {}};
}

using SettingField = std::variant<quint8 Settings::*, qint32 Settings::*, QString Settings::*>;

struct SettingKey
{
    const char *section;
    const char *name;
    SettingField field;
};

// Every key, in the order a new file gets them. Reading converts the numbers
// in this order and stops at the first that fails, before any text is read.
const SettingKey kKeys[] = {
    {"Grid", "BackPicture", &Settings::backPicture},
    {"Grid", "Style", &Settings::style},
    {"Grid", "Show/Hide", &Settings::showHide},
    {"Grid", "ForeColor", &Settings::foreColor},
    {"Grid", "ForeColorSel", &Settings::foreColorSel},
    {"Grid", "BackColor", &Settings::backColor},
    {"Grid", "BackColorSel", &Settings::backColorSel},
    {"Grid", "GridColor", &Settings::gridColor},
    {"ColumnSetting", "Visibility", &Settings::visibility},
    {"General", "StartupFolder", &Settings::startupFolder},
    {"General", "ExportLocation", &Settings::exportLocation},
};

bool isText(const SettingKey &key)
{
    return std::holds_alternative<QString Settings::*>(key.field);
}

QString storedText(const Settings &record, const SettingKey &key)
{
    return std::visit([&](auto member) {
        if constexpr (std::is_same_v<decltype(member), QString Settings::*>)
            return record.*member;
        else
            return QString::number(record.*member);
    }, key.field);
}

QString readText(const IniDocument &ini, const SettingKey &key, const QString &fallback, int length)
{
    return ini.value(QLatin1String(key.section), QLatin1String(key.name), fallback, length + 1)
            .trimmed();
}

// Reads one number key into `record`; the conversion error, or empty.
QString readNumber(const IniDocument &ini, const SettingKey &key, Settings &record)
{
    const Settings defaults;
    const QString fallback = storedText(defaults, key);
    if (auto member = std::get_if<quint8 Settings::*>(&key.field)) {
        const Conversion c = convert(readText(ini, key, fallback, kByteKeyLength), 0, 255);
        if (c.error.isEmpty())
            record.**member = quint8(c.value);
        return c.error;
    }
    const auto member = std::get<qint32 Settings::*>(key.field);
    const Conversion c = convert(readText(ini, key, fallback, kColorKeyLength), INT32_MIN, INT32_MAX);
    if (c.error.isEmpty())
        record.*member = qint32(c.value);
    return c.error;
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
    for (const SettingKey &key : kKeys) {
        if (isText(key))
            continue;
        const QString failure = readNumber(ini, key, m_record);
        if (!failure.isEmpty()) {
            if (error)
                *error = failure;
            return false;
        }
    }
    for (const SettingKey &key : kKeys)
        if (isText(key))
            m_record.*std::get<QString Settings::*>(key.field) = readText(ini, key, {}, kTextKeyLength);
    m_record.visibilityList = splitVisibility(m_record.visibility);
    return true;
}

void SettingsStore::WriteSettings(const SettingsValues &values)
{
    m_record.backPicture = values.backPicture;
    m_record.style = values.style;
    m_record.showHide = values.showGrid ? 1 : 0;
    m_record.foreColor = values.foreColor;
    m_record.foreColorSel = values.foreColorSel;
    m_record.backColor = values.backColor;
    m_record.backColorSel = values.backColorSel;
    m_record.gridColor = values.gridColor;
    QStringList flags;
    for (bool visible : values.columnVisible)
        flags.append(visible ? QStringLiteral("1") : QStringLiteral("0"));
    m_record.visibility = flags.join(u',');
    m_record.visibilityList = splitVisibility(m_record.visibility);
    m_record.startupFolder = values.startupFolder;
    m_record.exportLocation = values.exportLocation;

    // The file is written once at the end; a key whose value cannot be stored
    // on one line (setValue refuses it) keeps its old line.
    IniDocument ini = IniDocument::load(m_filePath);
    for (const SettingKey &key : kKeys)
        ini.setValue(QLatin1String(key.section), QLatin1String(key.name), storedText(m_record, key));
    ini.save(m_filePath);
}
