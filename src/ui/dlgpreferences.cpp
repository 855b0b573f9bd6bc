// The preferences dialog: filling it from the settings, its buttons, and OK.
#include "ui/dlgpreferences.h"

#include "platform/choosers.h"
#include "grid/gridmodel.h"
#include "grid/gridtypes.h"
#include "results/colorvalue.h"
#include "results/resultcolumns.h"
#include "ui/dlgpreferences_swatch.h"
#include "ui/frmmain.h"
#include "ui/gridview.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPushButton>

namespace {

struct LineStyleEntry
{
    const char *name;
    GridLineStyle code;
};

// The styles offered, in list order; "no lines" and the two skip styles are not.
constexpr LineStyleEntry kLineStyles[] = {
    //: A style of grid lines: plain lines
    {QT_TRANSLATE_NOOP("dlgPreferences", "Flat"), LinesFlat},
    //: A style of grid lines: cells look pressed in
    {QT_TRANSLATE_NOOP("dlgPreferences", "Inset"), LinesInset},
    //: A style of grid lines: cells look raised
    {QT_TRANSLATE_NOOP("dlgPreferences", "Raised"), LinesRaised},
    {QT_TRANSLATE_NOOP("dlgPreferences", "Flat Horizontal"), LinesFlatHorizontal},
    {QT_TRANSLATE_NOOP("dlgPreferences", "Inset Horizontal"), LinesInsetHorizontal},
    {QT_TRANSLATE_NOOP("dlgPreferences", "Raised Horizontal"), LinesRaisedHorizontal},
    {QT_TRANSLATE_NOOP("dlgPreferences", "Flat Vertical"), LinesFlatVertical},
    {QT_TRANSLATE_NOOP("dlgPreferences", "Inset Vertical"), LinesInsetVertical},
    {QT_TRANSLATE_NOOP("dlgPreferences", "Raised Vertical"), LinesRaisedVertical},
    {QT_TRANSLATE_NOOP("dlgPreferences", "Explorer"), LinesExplorer},
    {QT_TRANSLATE_NOOP("dlgPreferences", "Excel"), LinesExcel},
};

struct ColumnSpec
{
    const char *caption;
    int widthTwips;
    Qt::Alignment alignment;
};

constexpr ColumnSpec kColumnSpecs[dlgPreferences::ColumnSettingsCols] = {
    //: Header of the column numbering the rows
    {QT_TRANSLATE_NOOP("dlgPreferences", "Sr#"), 500, Qt::AlignCenter},
    {QT_TRANSLATE_NOOP("dlgPreferences", "Column Name"), 1700, Qt::AlignLeft | Qt::AlignVCenter},
    //: Header of the column of check boxes that show or hide a results column
    {QT_TRANSLATE_NOOP("dlgPreferences", "Visible"), 700, Qt::AlignCenter},
};

const QString kShown = QStringLiteral("1");

} // namespace

QString dlgPreferences::folderBrowserTitle()
{
    return tr("Select Startup Folder");
}

QString dlgPreferences::pictureFilter()
{
    return tr("Bitmap Image") + QStringLiteral("|*.bmp|") + tr("JPEG Image") +
           QStringLiteral("|*.jpg|") + tr("GIF Image") + QStringLiteral("|*.gif");
}

dlgPreferences::dlgPreferences(SettingsStore &settings, frmMain &owner)
    : QDialog(&owner), m_settings(settings), m_owner(owner)
{
    buildControls();
    wireControls();
    Form_Load();
    makeRoomForCaptions(); // once the lists hold what they show
    centreOnScreen();
}

dlgPreferences::~dlgPreferences() = default;

void dlgPreferences::Form_Load()
{
    const Settings &s = m_settings.record();
    txtStartUpFolder->setMaxLength(kFolderBoxMaxLength);
    txtExportLocation->setMaxLength(kFolderBoxMaxLength);
    fillLineStyles();
    txtBackPicture->setText(s.backPicture);
    selectLineStyle(s.style);
    chkShowGrid->setChecked(s.showHide == 1);
    shpGridForeColor->setValue(s.foreColor);
    shpGridForeColorSel->setValue(s.foreColorSel);
    shpGridBackColor->setValue(s.backColor);
    shpGridBackColorSel->setValue(s.backColorSel);
    shpGridColor->setValue(s.gridColor);
    txtStartUpFolder->setText(s.startupFolder);
    txtExportLocation->setText(s.exportLocation);
    fillColumnSettings();
    chkShowGrid_Click(); // the Show Grid rule holds from the start
}

void dlgPreferences::fillLineStyles()
{
    cmbGridStyles->clear();
    for (const LineStyleEntry &entry : kLineStyles)
        cmbGridStyles->addItem(tr(entry.name), int(entry.code));
}

void dlgPreferences::selectLineStyle(int code)
{
    // A code the list does not offer selects nothing; OK then keeps it.
    cmbGridStyles->setCurrentIndex(cmbGridStyles->findData(code));
}

void dlgPreferences::fillColumnSettings()
{
    m_columns->setCols(ColumnSettingsCols);
    m_columns->setFixedRows(1);
    m_columns->setFixedCols(1);
    m_columns->setRows(1);
    for (int col = 0; col < ColumnSettingsCols; ++col) {
        m_columns->setText(0, col, tr(kColumnSpecs[col].caption));
        m_columns->setColumnWidthTwips(col, kColumnSpecs[col].widthTwips);
        m_columns->setColumnAlignment(col, kColumnSpecs[col].alignment);
    }
    m_columns->setCheckColumn(ColVisible);
    // Each column by its caption as the results grid's header shows it.
    const GridModel *results = m_owner.filesModel();
    for (int column = 0; column < ResultColumns::kDataColumns; ++column) {
        const QString caption =
            results->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
        const int row = m_columns->appendRow({QString::number(column + 1), caption, QString()});
        m_columns->setChecked(row, initialVisibility(column));
    }
}

bool dlgPreferences::initialVisibility(int column) const
{
    // The list governs the columns it names; any other opens as the results
    // grid shows it (an empty list names none and changes no column).
    const QStringList &list = m_settings.record().visibilityList;
    if (column < list.size())
        return list.at(column) == kShown;
    return !m_owner.filesModel()->isColumnHidden(column);
}

SettingsValues dlgPreferences::collectValues() const
{
    SettingsValues values;
    values.backPicture = txtBackPicture->text();
    const QVariant code = cmbGridStyles->currentData();
    values.style = code.isValid() ? quint8(code.toInt()) : m_settings.record().style;
    values.showGrid = chkShowGrid->isChecked();
    values.foreColor = shpGridForeColor->value();
    values.foreColorSel = shpGridForeColorSel->value();
    values.backColor = shpGridBackColor->value();
    values.backColorSel = shpGridBackColorSel->value();
    values.gridColor = shpGridColor->value();
    // Each row names its column in "Sr#", whatever order the rows are in.
    for (int row = m_columns->fixedRows(); row < m_columns->rows(); ++row) {
        const int column = m_columns->text(row, ColSerial).toInt() - 1;
        if (column >= 0 && column < int(values.columnVisible.size()))
            values.columnVisible[size_t(column)] = m_columns->isChecked(row);
    }
    values.startupFolder = txtStartUpFolder->text();
    values.exportLocation = txtExportLocation->text();
    return values;
}

void dlgPreferences::cmdOK_Click()
{
    m_settings.WriteSettings(collectValues());
    m_owner.RefreshGrid();
    accept();
}

void dlgPreferences::cmdCancel_Click()
{
    reject();
}

void dlgPreferences::chkShowGrid_Click()
{
    const bool on = chkShowGrid->isChecked();
    cmbGridStyles->setEnabled(on);
    cmdGridColor->setEnabled(on);
}

void dlgPreferences::pickColor(ColorSwatch *swatch)
{
    const auto &choosers = m_owner.services().choosers;
    const std::optional<QColor> color = choosers ? choosers->chooseColor(this) : std::nullopt;
    if (color && color->isValid())
        swatch->setValue(colorValueFromColor(*color));
}

void dlgPreferences::cmdBackGround_Click()
{
    const auto &choosers = m_owner.services().choosers;
    const std::optional<QString> path =
        choosers ? choosers->chooseOpenFile(this, pictureFilter()) : std::nullopt;
    // A path the settings file could not give back whole is not taken.
    if (path && path->size() <= kLongestStoredPath)
        txtBackPicture->setText(*path);
}

void dlgPreferences::pickFolder(QLineEdit *box)
{
    const auto &choosers = m_owner.services().choosers;
    const std::optional<QString> folder =
        choosers ? choosers->chooseFolder(this, folderBrowserTitle()) : std::nullopt;
    // A cancel empties the box; a path too long to be stored whole (the box
    // would cut it) leaves the box as it was.
    const QString result = folder.value_or(QString());
    if (result.size() <= kLongestStoredPath)
        box->setText(result);
}

void dlgPreferences::cmdStartupFolder_Click()
{
    pickFolder(txtStartUpFolder);
}

void dlgPreferences::cmdExportLocation_Click()
{
    pickFolder(txtExportLocation);
}

void dlgPreferences::setAllVisible(bool visible)
{
    for (int row = m_columns->fixedRows(); row < m_columns->rows(); ++row)
        m_columns->setChecked(row, visible);
}

void dlgPreferences::cmdSelectAll_Click()
{
    setAllVisible(true);
}

void dlgPreferences::cmdDeselectAll_Click()
{
    setAllVisible(false);
}

void dlgPreferences::cmdInvertSelection_Click()
{
    for (int row = m_columns->fixedRows(); row < m_columns->rows(); ++row)
        m_columns->setChecked(row, !m_columns->isChecked(row));
}

void dlgPreferences::vsColumnSettings_KeyDown(int key)
{
    // In the "Visible" column the grid's own check-box editing toggles the box.
    const int row = m_columns->currentRow();
    if (key == Qt::Key_Space && m_columns->currentCol() != ColVisible && m_columns->isDataRow(row))
        m_columns->setChecked(row, !m_columns->isChecked(row));
}

void dlgPreferences::vsColumnSettings_BeforeEdit(int, int col, bool *cancel)
{
    if (col != ColVisible)
        *cancel = true;
}
