#include "ui/dlgsave.h"

#include "ui/captionroom.h"
#include "ui/controlfactory.h"
#include "ui/foldertree.h"
#include "ui/prompts.h"

#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

using Controls::named;
using namespace ExportRules;

namespace {

constexpr int kClientWidthTwips = 7230;
constexpr int kClientHeightTwips = 5295;
constexpr int kFileNameMaxLength = 255;
constexpr int kSeparatorMaxLength = 1;
const QString kPresetSeparator = QStringLiteral(",");

} // namespace

dlgSave::dlgSave(const QString &exportLocation, Prompts &prompts, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      m_prompts(prompts)
{
    setObjectName(QStringLiteral("dlgSave"));
    setWindowTitle(tr("Export"));
    buildControls();
    Form_Load(exportLocation);
    // A caption longer than the twips allow (another language) widens its control.
    CaptionRoom::fitFixedWindow(this, {cmdSave, cmdCancel});
}

ExportChoice dlgSave::run(QWidget *parent, const QString &exportLocation, Prompts &prompts)
{
    dlgSave dialog(exportLocation, prompts, parent);
    dialog.exec();
    return {dialog.FileName(), dialog.ColumnSaperator()};
}

void dlgSave::buildControls()
{
    const int dpi = widgetDpi(this);
    setFixedSize(twipsToPixels(kClientWidthTwips, dpi), twipsToPixels(kClientHeightTwips, dpi));

    ftvFolder = named(new FolderTree(this), "ftvFolder", 120, 120, 3765, 4590);
    fmeFile = named(new QGroupBox(this), "fmeFile", 3990, 60, 3135, 4665);
    named(new QLabel(tr("File Name"), fmeFile), "lblFileName", 120, 270, 795, 255);
    txtFileName = named(new QLineEdit(fmeFile), "txtFileName", 120, 510, 2865, 285);
    named(new QLabel(tr("File Type"), fmeFile), "lblFileType", 120, 930, 795, 255);
    cmbFileType = named(new QComboBox(fmeFile), "cmbFileType", 120, 1170, 2865, 315);
    lblDelimeter =
        named(new QLabel(tr("Column Saperator"), fmeFile), "lblDelimeter", 120, 1710, 1515, 315);
    txtColSaperator = named(new QLineEdit(fmeFile), "txtColSaperator", 1530, 1680, 375, 285);
    cmdSave = named(new QPushButton(tr("&Save"), this), "cmdSave", 4530, 4830, 1215, 375);
    cmdCancel = named(new QPushButton(tr("&Cancel"), this), "cmdCancel", 5880, 4830, 1215, 375);
    cmdSave->setDefault(true);

    setTabOrder(ftvFolder, txtFileName);
    setTabOrder(txtFileName, cmbFileType);
    setTabOrder(cmbFileType, txtColSaperator);
    setTabOrder(txtColSaperator, cmdSave);
    setTabOrder(cmdSave, cmdCancel);

    txtFileName->installEventFilter(this);
    txtColSaperator->installEventFilter(this);
    connect(cmbFileType, &QComboBox::currentIndexChanged, this, &dlgSave::cmbFileType_Click);
    connect(cmdSave, &QPushButton::clicked, this, &dlgSave::cmdSave_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &dlgSave::cmdCancel_Click);
}

void dlgSave::Form_Load(const QString &exportLocation)
{
    m_columnSaperator.clear();
    m_fileName.clear();
    selectStartFolder(exportLocation);
    txtFileName->setMaxLength(kFileNameMaxLength);
    txtColSaperator->setMaxLength(kSeparatorMaxLength);
    txtFileName->setText(defaultFileName(QDate::currentDate()));
    txtColSaperator->setText(kPresetSeparator);
    cmbFileType->clear();
    cmbFileType->addItems(fileTypeEntries());
    cmbFileType->setCurrentIndex(TextDocument);
    cmbFileType_Click();
}

void dlgSave::selectStartFolder(const QString &exportLocation)
{
    // A folder the tree cannot select (gone, hidden, not a path here) leaves
    // the dialog at the home folder rather than at no folder at all.
    const QString home = QDir::homePath();
    if (!ftvFolder->setSelectedFolder(exportStartFolder(exportLocation, home)))
        ftvFolder->setSelectedFolder(home);
}

void dlgSave::cmbFileType_Click()
{
    // The separator's text stays while its box is hidden.
    const bool shown = typeTakesSeparator(cmbFileType->currentText());
    lblDelimeter->setVisible(shown);
    txtColSaperator->setVisible(lblDelimeter->isVisibleTo(this));
}

bool dlgSave::separatorShown() const
{
    return txtColSaperator->isVisibleTo(this);
}

void dlgSave::cmdSave_Click()
{
    const QString problem =
        ValidateExportInput(txtFileName->text(), separatorShown(), txtColSaperator->text());
    if (!problem.isEmpty()) {
        m_prompts.inform(this, problem, Prompts::Icon::Information);
        return;
    }
    m_fileName = exportFilePath(ftvFolder->selectedFolder(), txtFileName->text(),
                                FileTypeExtension(cmbFileType->currentText()));
    if (separatorShown())
        m_columnSaperator = txtColSaperator->text();
    accept();
}

void dlgSave::cmdCancel_Click()
{
    m_fileName = kCancelledMarker;
    reject();
}

bool dlgSave::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == txtFileName && event->type() == QEvent::KeyPress) {
        const QString typed = static_cast<QKeyEvent *>(event)->text();
        if (typed.size() == 1 && IsFileNameCharRefused(typed.front()))
            return true;
    }
    if (event->type() == QEvent::FocusIn) {
        // Entering a box selects its whole text; queued so that the click
        // that brought the focus does not place the cursor over it.
        auto *box = static_cast<QLineEdit *>(watched);
        QTimer::singleShot(0, box, &QLineEdit::selectAll);
    }
    return QDialog::eventFilter(watched, event);
}

void dlgSave::keyPressEvent(QKeyEvent *event)
{
    // Escape is Cancel; the title bar's close box is not (it leaves FileName empty).
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        cmdCancel_Click();
        return;
    }
    QDialog::keyPressEvent(event);
}

void dlgSave::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (QScreen *screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
}
