#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>

// The one in-memory record of the settings file.
struct Settings
{
    quint8 style = 1;    // grid-line style code
    quint8 showHide = 1; // 0: no grid lines whatever the style
    qint32 foreColor = qint32(0x80000008u);
    qint32 foreColorSel = qint32(0x8000000Eu);
    qint32 backColor = qint32(0x80000005u);
    qint32 backColorSel = qint32(0x8000000Du);
    qint32 gridColor = qint32(0x8000000Fu);
    QString backPicture;
    QString visibility;         // the stored text, e.g. "1,0,1,1,1"
    QStringList visibilityList; // the text split at every ",", untrimmed; empty for ""
    QString startupFolder;
    QString exportLocation;
};

// What the preferences dialog hands to WriteSettings: all eleven values.
struct SettingsValues
{
    QString backPicture;
    quint8 style = 1;
    bool showGrid = true;
    qint32 foreColor = 0;
    qint32 foreColorSel = 0;
    qint32 backColor = 0;
    qint32 backColorSel = 0;
    qint32 gridColor = 0;
    std::array<bool, 5> columnVisible{true, true, true, true, true};
    QString startupFolder;
    QString exportLocation;
};

// Reads and writes the settings file. The record is filled once by
// ReadSettings and changed only by WriteSettings.
class SettingsStore
{
public:
    explicit SettingsStore(QString filePath);

    // Fills the record. False when a value cannot be converted; `error` then
    // holds the description of the conversion error. Reading stops there.
    bool ReadSettings(QString *error = nullptr);

    // Stores every value in the record, then writes its key. A failed write is
    // not reported: the record keeps the new values for this run.
    void WriteSettings(const SettingsValues &values);

    const Settings &record() const { return m_record; }
    const QString &filePath() const { return m_filePath; }

    static QStringList splitVisibility(const QString &text);

private:
    QString m_filePath;
    Settings m_record;
};
