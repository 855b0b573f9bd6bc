// The preferences dialog's controls: captions and positions in twips.
#include "ui/dlgpreferences.h"

#include "grid/gridmodel.h"
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
    {"BackGround Picture", 180, 390, 1500, 195},
    {"Line Style", 180, 1320, 735, 195},
    {"Line Color", 3660, 1350, 795, 195},
    {"Fore Color", 180, 1920, 855, 195},
    {"Fore Color Selection", 2880, 1920, 1575, 195},
    {"Back Color", 180, 2490, 885, 195},
    {"Back Color Selection", 2880, 2490, 1575, 195},
};

constexpr LabelSpec kProgramLabels[] = {
    {"Startup Folder", 150, 450, 1185, 195},
    {"Export Location", 150, 930, 1155, 195},
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
        auto *label = new QLabel(QString::fromLatin1(spec->caption), frame);
        placeTwips(label, spec->left, spec->top, spec->width, spec->height);
    }
}

QPushButton *dotsButton(QWidget *frame, const char *name, int left, int top)
{
    return named(new QPushButton(QStringLiteral("..."), frame), name, left, top, kDotsWidth,
                 kDotsHeight);
}

QGroupBox *frame(QWidget *parent, const char *name, const char *caption, int left, int top,
                 int width, int height)
{
    return named(new QGroupBox(QString::fromLatin1(caption), parent), name, left, top, width,
                 height);
}

} // namespace

void dlgPreferences::buildControls()
{
    setObjectName(QStringLiteral("dlgPreferences"));
    setWindowTitle(QStringLiteral("Preferences"));
    // Fixed border, a close box and no minimise or maximise button.
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                   Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    const int dpi = widgetDpi(this);
    setFixedSize(twipsToPixels(kClientWidthTwips, dpi), twipsToPixels(kClientHeightTwips, dpi));
    buildGridFrame();
    buildProgramFrame();
    buildColumnFrame();
    cmdOK = named(new QPushButton(QStringLiteral("&OK"), this), "cmdOK", 6780, 4680, 1095, 345);
    cmdCancel =
        named(new QPushButton(QStringLiteral("&Cancel"), this), "cmdCancel", 7950, 4680, 1095, 345);
    cmdOK->setDefault(true);
    cmdOK->setAutoDefault(true);
    centreOnScreen();
}

void dlgPreferences::buildGridFrame()
{
    fraGrid = frame(this, "fraGrid", "Grid Settings", 90, 90, 5385, 3015);
    addLabels(fraGrid, std::begin(kGridLabels), std::end(kGridLabels));
    txtBackPicture = named(new QLineEdit(fraGrid), "txtBackPicture", 1680, 360, 3165, 285);
    cmdBackGround = dotsButton(fraGrid, "cmdBackGround", 4890, 360);
    chkShowGrid = named(new QCheckBox(QStringLiteral("Show Grid"), fraGrid), "chkShowGrid", 180,
                        840, 1215, 195);
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
    fraProgram = frame(this, "fraProgram", "General Settings", 90, 3150, 5385, 1425);
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
    fmeColumnSettings = frame(this, "fmeColumnSettings", "Column Settings", 5550, 90, 3495, 4485);
    m_columns = new GridModel(this);
    vsColumnSettings =
        named(new GridView(fmeColumnSettings), "vsColumnSettings", 120, 270, 3255, 3855);
    vsColumnSettings->setGridModel(m_columns);
    vsColumnSettings->setSortOnHeaderClick(false); // the rows stand in column order
    cmdSelectAll = named(new QPushButton(QStringLiteral("Select All"), fmeColumnSettings),
                         "cmdSelectAll", 120, 4140, 825, 255);
    cmdDeselectAll = named(new QPushButton(QStringLiteral("Deselect All"), fmeColumnSettings),
                           "cmdDeselectAll", 960, 4140, 1065, 255);
    cmdInvertSelection =
        named(new QPushButton(QStringLiteral("Invert Selection"), fmeColumnSettings),
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

void dlgPreferences::centreOnScreen()
{
    const QScreen *display = screen();
    if (!display)
        return;
    QRect frame = rect();
    frame.moveCenter(display->availableGeometry().center());
    move(frame.topLeft());
}
