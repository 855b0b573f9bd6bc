// The preferences dialog's controls: captions and positions in twips.
#include "ui/dlgpreferences.h"

#include "grid/gridmodel.h"
#include "ui/captionroom.h"
#include "ui/controlfactory.h"
#include "ui/dlgpreferences_swatch.h"
#include "ui/gridview.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

using Controls::named;

namespace {

constexpr int kClientWidthTwips = 9120;
constexpr int kClientHeightTwips = 5100;

struct LabelSpec
{
    const char *caption;
    int left, top, width, height;
};

// Labels reach to the box on their right where their captions need it.
constexpr LabelSpec kGridLabels[] = {
    {QT_TRANSLATE_NOOP("dlgPreferences", "BackGround Picture"), 180, 390, 1500, 195},
    {QT_TRANSLATE_NOOP("dlgPreferences", "Line Style"), 180, 1320, 735, 195},
    {QT_TRANSLATE_NOOP("dlgPreferences", "Line Color"), 3660, 1350, 795, 195},
    {QT_TRANSLATE_NOOP("dlgPreferences", "Fore Color"), 180, 1920, 855, 195},
    {QT_TRANSLATE_NOOP("dlgPreferences", "Fore Color Selection"), 2880, 1920, 1575, 195},
    {QT_TRANSLATE_NOOP("dlgPreferences", "Back Color"), 180, 2490, 885, 195},
    {QT_TRANSLATE_NOOP("dlgPreferences", "Back Color Selection"), 2880, 2490, 1575, 195},
};

constexpr LabelSpec kProgramLabels[] = {
    {QT_TRANSLATE_NOOP("dlgPreferences", "Startup Folder"), 150, 450, 1185, 195},
    {QT_TRANSLATE_NOOP("dlgPreferences", "Export Location"), 150, 930, 1155, 195},
};

// One swatch and its "..." button; the button sits 330 twips right of the swatch.
struct ColorRowSpec
{
    ColorSwatch *dlgPreferences::*swatch;
    const char *swatchName;
    QPushButton *dlgPreferences::*button;
    const char *buttonName;
    int left, top;
};

constexpr int kSwatchSize = 270;
constexpr int kSwatchToButton = 330;
constexpr int kDotsWidth = 315;
constexpr int kDotsHeight = 285;

constexpr ColorRowSpec kColorRows[] = {
    {&dlgPreferences::shpGridColor, "shpGridColor", &dlgPreferences::cmdGridColor, "cmdGridColor",
     4560, 1320},
    {&dlgPreferences::shpGridForeColor, "shpGridForeColor", &dlgPreferences::cmdGridForeColor,
     "cmdGridForeColor", 1110, 1890},
    {&dlgPreferences::shpGridForeColorSel, "shpGridForeColorSel",
     &dlgPreferences::cmdGridForeColorSel, "cmdGridForeColorSel", 4560, 1890},
    {&dlgPreferences::shpGridBackColor, "shpGridBackColor", &dlgPreferences::cmdGridBackColor,
     "cmdGridBackColor", 1110, 2460},
    {&dlgPreferences::shpGridBackColorSel, "shpGridBackColorSel",
     &dlgPreferences::cmdGridBackColorSel, "cmdGridBackColorSel", 4560, 2460},
};

void addLabels(QWidget *frame, const LabelSpec *first, const LabelSpec *last)
{
    for (const LabelSpec *spec = first; spec != last; ++spec) {
        auto *label = new QLabel(dlgPreferences::tr(spec->caption), frame);
        placeTwips(label, spec->left, spec->top, spec->width, spec->height);
    }
}

QPushButton *dotsButton(QWidget *frame, const char *name, int left, int top)
{
    return named(new QPushButton(QStringLiteral("..."), frame), name, left, top, kDotsWidth,
                 kDotsHeight);
}

QGroupBox *frame(QWidget *parent, const char *name, const QString &caption, int left, int top,
                 int width, int height)
{
    return named(new QGroupBox(caption, parent), name, left, top, width, height);
}

} // namespace

void dlgPreferences::buildControls()
{
    setObjectName(QStringLiteral("dlgPreferences"));
    setWindowTitle(tr("Preferences"));
    // Fixed border, a close box and no minimise or maximise button.
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                   Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    const int dpi = widgetDpi(this);
    setFixedSize(twipsToPixels(kClientWidthTwips, dpi), twipsToPixels(kClientHeightTwips, dpi));
    buildGridFrame();
    buildProgramFrame();
    buildColumnFrame();
    cmdOK = named(new QPushButton(tr("&OK"), this), "cmdOK", 6780, 4680, 1095, 345);
    cmdCancel = named(new QPushButton(tr("&Cancel"), this), "cmdCancel", 7950, 4680, 1095, 345);
    cmdOK->setDefault(true);
    cmdOK->setAutoDefault(true);
}

void dlgPreferences::buildGridFrame()
{
    fraGrid = frame(this, "fraGrid", tr("Grid Settings"), 90, 90, 5385, 3015);
    addLabels(fraGrid, std::begin(kGridLabels), std::end(kGridLabels));
    txtBackPicture = named(new QLineEdit(fraGrid), "txtBackPicture", 1680, 360, 3165, 285);
    cmdBackGround = dotsButton(fraGrid, "cmdBackGround", 4890, 360);
    chkShowGrid =
        named(new QCheckBox(tr("Show Grid"), fraGrid), "chkShowGrid", 180, 840, 1215, 195);
    cmbGridStyles = named(new QComboBox(fraGrid), "cmbGridStyles", 990, 1290, 2055, 315);
    cmbGridStyles->setEditable(false);
    buildColorRows();
}

void dlgPreferences::buildColorRows()
{
    for (const ColorRowSpec &row : kColorRows) {
        this->*row.swatch = named(new ColorSwatch(fraGrid), row.swatchName, row.left, row.top,
                                  kSwatchSize, kSwatchSize);
        this->*row.button =
            dotsButton(fraGrid, row.buttonName, row.left + kSwatchToButton, row.top);
        ColorSwatch *swatch = this->*row.swatch;
        connect(this->*row.button, &QPushButton::clicked, this,
                [this, swatch] { pickColor(swatch); });
    }
}

void dlgPreferences::buildProgramFrame()
{
    fraProgram = frame(this, "fraProgram", tr("General Settings"), 90, 3150, 5385, 1425);
    addLabels(fraProgram, std::begin(kProgramLabels), std::end(kProgramLabels));
    txtStartUpFolder = named(new QLineEdit(fraProgram), "txtStartUpFolder", 1365, 420, 3495, 285);
    cmdStartupFolder = dotsButton(fraProgram, "cmdStartupFolder", 4890, 420);
    txtExportLocation = named(new QLineEdit(fraProgram), "txtExportLocation", 1365, 900, 3495, 285);
    cmdExportLocation = dotsButton(fraProgram, "cmdExportLocation", 4890, 900);
    txtStartUpFolder->setReadOnly(true);
    txtExportLocation->setReadOnly(true);
}

void dlgPreferences::buildColumnFrame()
{
    fmeColumnSettings =
        frame(this, "fmeColumnSettings", tr("Column Settings"), 5550, 90, 3495, 4485);
    m_columns = new GridModel(this);
    vsColumnSettings =
        named(new GridView(fmeColumnSettings), "vsColumnSettings", 120, 270, 3255, 3855);
    vsColumnSettings->setGridModel(m_columns);
    vsColumnSettings->setSortOnHeaderClick(false); // the rows stand in column order
    cmdSelectAll = named(new QPushButton(tr("Select All"), fmeColumnSettings), "cmdSelectAll", 120,
                         4140, 825, 255);
    cmdDeselectAll = named(new QPushButton(tr("Deselect All"), fmeColumnSettings), "cmdDeselectAll",
                           960, 4140, 1065, 255);
    cmdInvertSelection = named(new QPushButton(tr("Invert Selection"), fmeColumnSettings),
                               "cmdInvertSelection", 2040, 4140, 1335, 255);
}

void dlgPreferences::wireControls()
{
    connect(cmdOK, &QPushButton::clicked, this, &dlgPreferences::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &dlgPreferences::cmdCancel_Click);
    connect(cmdBackGround, &QPushButton::clicked, this, &dlgPreferences::cmdBackGround_Click);
    connect(cmdStartupFolder, &QPushButton::clicked, this, &dlgPreferences::cmdStartupFolder_Click);
    connect(cmdExportLocation, &QPushButton::clicked, this,
            &dlgPreferences::cmdExportLocation_Click);
    connect(cmdSelectAll, &QPushButton::clicked, this, &dlgPreferences::cmdSelectAll_Click);
    connect(cmdDeselectAll, &QPushButton::clicked, this, &dlgPreferences::cmdDeselectAll_Click);
    connect(cmdInvertSelection, &QPushButton::clicked, this,
            &dlgPreferences::cmdInvertSelection_Click);
    connect(chkShowGrid, &QCheckBox::toggled, this, &dlgPreferences::chkShowGrid_Click);
    connect(vsColumnSettings, &GridView::keyDown, this,
            [this](int key) { vsColumnSettings_KeyDown(key); });
    connect(m_columns, &GridModel::beforeEdit, this, &dlgPreferences::vsColumnSettings_BeforeEdit);
}

// The twips leave each caption the room its English text needs; a longer
// one widens its control, and the dialog when its frames no longer fit.
void dlgPreferences::makeRoomForCaptions()
{
    placeColumnButtons();
    fitColumnWidths();
    CaptionRoom::fitFixedWindow(this, {cmdOK, cmdCancel});
}

// The three buttons under the column grid share its width while their
// captions fit side by side; otherwise they stand one above another, as
// wide as the grid, which gives up the height they take.
void dlgPreferences::placeColumnButtons()
{
    const QList<QPushButton *> buttons{cmdSelectAll, cmdDeselectAll, cmdInvertSelection};
    const int count = int(buttons.size());
    const int gap = cmdDeselectAll->x() - cmdSelectAll->geometry().right() - 1;
    const QRect grid = vsColumnSettings->geometry();
    QList<int> widths; // each as wide as its design and its caption
    int wanted = 0;
    bool fit = true;
    for (QPushButton *button : buttons) {
        widths << std::max(button->width(), CaptionRoom::captionWidth(button));
        wanted += widths.last();
        fit = fit && widths.last() == button->width();
    }
    if (fit)
        return;
    const int spare = grid.width() - gap * (count - 1) - wanted;
    if (spare >= 0) {
        int left = grid.left();
        for (int i = 0; i < count; ++i) {
            QPushButton *button = buttons[i];
            const int width = widths[i] + spare / count + (i == count - 1 ? spare % count : 0);
            button->setGeometry(left, button->y(), width, button->height());
            left += width + gap;
        }
        return;
    }
    const int step = cmdSelectAll->height() + gap;
    const int top = cmdSelectAll->y() - step * (count - 1);
    vsColumnSettings->setGeometry(grid.adjusted(0, 0, 0, top - cmdSelectAll->y()));
    for (int i = 0; i < count; ++i)
        buttons[i]->setGeometry(grid.left(), top + i * step, grid.width(), buttons[i]->height());
}

// Each column of the column grid as wide as its cells' texts need, at least
// (the grid itself makes room for the header's captions).
void dlgPreferences::fitColumnWidths()
{
    constexpr int kCellPadding = 3; // each side of a cell's text, as the grid draws it
    const int dpi = widgetDpi(vsColumnSettings);
    const QFontMetrics metrics = vsColumnSettings->fontMetrics();
    for (int col = 0; col < ColumnSettingsCols; ++col) {
        int needed = 0;
        for (int row = m_columns->fixedRows(); row < m_columns->rows(); ++row)
            needed = std::max(needed, metrics.horizontalAdvance(m_columns->text(row, col)) +
                                          2 * kCellPadding);
        if (pixelsToTwips(needed, dpi) > m_columns->columnWidthTwips(col))
            m_columns->setColumnWidthTwips(col, pixelsToTwips(needed, dpi));
    }
}

void dlgPreferences::centreOnScreen()
{
    const QScreen *display = screen();
    if (!display)
        return;
    QRect frame = rect();
    frame.moveCenter(display->availableGeometry().center());
    move(frame.topLeft());
}
