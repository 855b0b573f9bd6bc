#pragma once

#include "settings/settings.h"

#include <QDialog>
#include <optional>

class ColorSwatch;
class GridModel;
class GridView;
class SettingsStore;
class frmMain;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;

// The preferences dialog. It fills its controls from the settings when it is
// created, changes nothing until OK, and on OK writes every value and has the
// main window re-apply the grid look and column visibility. Cancel, Escape and
// the close box discard everything. Create a fresh one for every opening.
class dlgPreferences : public QDialog
{
    Q_OBJECT

public:
    // Columns of the column settings grid.
    enum ColumnSettingsColumn : int {
        ColSerial = 0,
        ColName = 1,
        ColVisible = 2,
        ColumnSettingsCols = 3
    };

    // The caption of both folder browsers.
    static QString folderBrowserTitle();
    // The background picture chooser's types, as "description|patterns|...".
    static QString pictureFilter();
    // Longest folder or picture path the settings file gives back whole.
    static constexpr int kLongestStoredPath = 499;
    static constexpr int kFolderBoxMaxLength = 500;

    dlgPreferences(SettingsStore &settings, frmMain &owner);
    ~dlgPreferences() override;

    // What OK would write, as the controls hold it now.
    SettingsValues collectValues() const;
    GridModel *columnSettingsModel() const { return m_columns; }

    QGroupBox *fraGrid = nullptr;
    QLineEdit *txtBackPicture = nullptr;
    QPushButton *cmdBackGround = nullptr;
    QCheckBox *chkShowGrid = nullptr;
    QComboBox *cmbGridStyles = nullptr;
    ColorSwatch *shpGridColor = nullptr;
    QPushButton *cmdGridColor = nullptr;
    ColorSwatch *shpGridForeColor = nullptr;
    QPushButton *cmdGridForeColor = nullptr;
    ColorSwatch *shpGridForeColorSel = nullptr;
    QPushButton *cmdGridForeColorSel = nullptr;
    ColorSwatch *shpGridBackColor = nullptr;
    QPushButton *cmdGridBackColor = nullptr;
    ColorSwatch *shpGridBackColorSel = nullptr;
    QPushButton *cmdGridBackColorSel = nullptr;
    QGroupBox *fraProgram = nullptr;
    QLineEdit *txtStartUpFolder = nullptr;
    QPushButton *cmdStartupFolder = nullptr;
    QLineEdit *txtExportLocation = nullptr;
    QPushButton *cmdExportLocation = nullptr;
    QGroupBox *fmeColumnSettings = nullptr;
    GridView *vsColumnSettings = nullptr;
    QPushButton *cmdSelectAll = nullptr;
    QPushButton *cmdDeselectAll = nullptr;
    QPushButton *cmdInvertSelection = nullptr;
    QPushButton *cmdOK = nullptr;
    QPushButton *cmdCancel = nullptr;

public Q_SLOTS:
    void cmdOK_Click();
    void cmdCancel_Click();
    void cmdBackGround_Click();
    void cmdStartupFolder_Click();
    void cmdExportLocation_Click();
    void cmdSelectAll_Click();
    void cmdDeselectAll_Click();
    void cmdInvertSelection_Click();
    void chkShowGrid_Click();

private:
    // dlgpreferences_build.cpp
    void buildControls();
    void buildGridFrame();
    void buildColorRows();
    void buildProgramFrame();
    void buildColumnFrame();
    void wireControls();
    void makeRoomForCaptions();
    void placeColumnButtons();
    void fitColumnWidths();
    void centreOnScreen();

    // dlgpreferences.cpp
    void Form_Load();
    void fillLineStyles();
    void selectLineStyle(int code);
    void fillColumnSettings();
    bool initialVisibility(int column) const;
    void pickColor(ColorSwatch *swatch);
    void pickFolder(QLineEdit *box);
    void setAllVisible(bool visible);
    void vsColumnSettings_KeyDown(int key);
    void vsColumnSettings_BeforeEdit(int row, int col, bool *cancel);

    SettingsStore &m_settings;
    frmMain &m_owner;
    GridModel *m_columns = nullptr;
};
