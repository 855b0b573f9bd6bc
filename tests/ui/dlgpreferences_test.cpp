#include "settings/settings.h"
#include "grid/gridmodel.h"
#include "grid/gridtypes.h"
#include "support/fakechoosers.h"
#include "support/tempfiles.h"
#include "support/loadedwindow.h"
#include "support/testservices.h"
#include "ui/dlgpreferences.h"
#include "ui/dlgpreferences_swatch.h"
#include "ui/frmmain.h"
#include "ui/gridview.h"

#include <QAbstractItemModelTester>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using Flags = QList<bool>;

namespace {

const QByteArray kFullIni =
    "[Grid]\r\nStyle=2\r\nShow/Hide=1\r\nForeColor=-2147483640\r\n"
    "ForeColorSel=-2147483634\r\nBackColor=-2147483643\r\nBackColorSel=-2147483635\r\n"
    "GridColor=-2147483633\r\nBackPicture=\r\n[ColumnSetting]\r\nVisibility=1,0,1,1,1\r\n"
    "[General]\r\nStartupFolder=/srv/scans\r\nExportLocation=/srv/out\r\n";

QByteArray iniWith(const QByteArray &key, const QByteArray &value)
{
    QByteArray ini = kFullIni;
    const qsizetype at = ini.indexOf(QByteArray("\n" + key + "=")) + 1;
    const qsizetype end = ini.indexOf("\r\n", at);
    return ini.replace(at, end - at, QByteArray(key + "=" + value));
}

// A settings file, the store read from it and a loaded main window over it.
struct Harness : TestSupport::LoadedWindow
{
    using LoadedWindow::LoadedWindow;

    // A fresh dialog, as the menu opens it, with its grid model under test.
    std::unique_ptr<dlgPreferences> open()
    {
        auto dialog = std::make_unique<dlgPreferences>(settings, *window);
        tester = std::make_unique<QAbstractItemModelTester>(
            dialog->columnSettingsModel(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        return dialog;
    }

    std::unique_ptr<QAbstractItemModelTester> tester;
};

Flags visibleBoxes(const dlgPreferences &dialog)
{
    const GridModel *grid = dialog.columnSettingsModel();
    Flags flags;
    for (int row = grid->fixedRows(); row < grid->rows(); ++row)
        flags.append(grid->isChecked(row));
    return flags;
}

// Every stored field but the visibility, as text, for one comparison.
QStringList fieldsOf(const Settings &s)
{
    QStringList fields = {s.backPicture, s.startupFolder, s.exportLocation};
    for (qint64 number :
         {qint64(s.style), qint64(s.showHide), qint64(s.foreColor), qint64(s.foreColorSel),
          qint64(s.backColor), qint64(s.backColorSel), qint64(s.gridColor)})
        fields.append(QString::number(number));
    return fields;
}

Flags flagsOf(const char *text)
{
    Flags flags;
    for (const QString &piece : QString::fromLatin1(text).split(u','))
        flags.append(piece == QLatin1String("1"));
    return flags;
}

} // namespace

class DlgPreferencesTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString iniPath() const { return m_dir.filePath(QStringLiteral("Settings.ini")); }
    Settings reread() const
    {
        SettingsStore store(iniPath());
        [&] { QVERIFY(store.ReadSettings()); }();
        return store.record();
    }

private Q_SLOTS:
    void init()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QFile::remove(iniPath());
    }

    void okWithoutChangesWritesTheSameValues_data();
    void okWithoutChangesWritesTheSameValues();
    void showGridRule_data();
    void showGridRule();
    void visibilityBoxesOpenFromTheList_data();
    void visibilityBoxesOpenFromTheList();
    void columnNamesComeFromTheResultsHeader();
    void rowsStayInColumnOrder();
    void columnCommands_data();
    void columnCommands();
    void spaceBarTogglesOnce_data();
    void spaceBarTogglesOnce();
    void pathButtons_data();
    void pathButtons();
    void colorButtons_data();
    void colorButtons();
    void okAppliesLookAndVisibilityAtOnce();
    void menuOpensAFreshDialog_data();
    void menuOpensAFreshDialog();
};

void DlgPreferencesTest::okWithoutChangesWritesTheSameValues_data()
{
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<QString>("visibility");
    QTest::newRow("system colours, five flags") << kFullIni << "1,0,1,1,1";
    QTest::newRow("rgb colours, no lines, Excel style")
        << iniWith("Style", "13")
               .replace("Show/Hide=1", "Show/Hide=0")
               .replace("ForeColor=-2147483640", "ForeColor=255")
        << "1,0,1,1,1";
    QTest::newRow("unmapped system colour kept")
        << iniWith("GridColor", "-2147483600") << "1,0,1,1,1";
    QTest::newRow("style the list does not offer kept") << iniWith("Style", "7") << "1,0,1,1,1";
    QTest::newRow("seven entries stored as five")
        << iniWith("Visibility", "1,1,0,1,1,0,1") << "1,1,0,1,1";
    QTest::newRow("two entries: unnamed columns as shown")
        << iniWith("Visibility", "0,1") << "0,1,1,1,1";
    QTest::newRow("paths with spaces and accents")
        << iniWith("BackPicture", "/pics/back ground.bmp")
               .replace("/srv/out", "/home/zo\xc3\xab/Export Files")
        << "1,0,1,1,1";
}

void DlgPreferencesTest::okWithoutChangesWritesTheSameValues()
{
    QFETCH(QByteArray, ini);
    QFETCH(QString, visibility);
    TestSupport::writeFile(iniPath(), ini);
    Harness h(iniPath());
    const Settings before = h.settings.record();
    h.open()->cmdOK_Click();

    const Settings after = reread();
    QCOMPARE(fieldsOf(after), fieldsOf(before));
    QCOMPARE(after.visibility, visibility);
    QCOMPARE(h.settings.record().visibility, visibility);
}

void DlgPreferencesTest::showGridRule_data()
{
    QTest::addColumn<QByteArray>("showHide");
    QTest::addColumn<bool>("opensChecked");
    QTest::newRow("0: cleared") << QByteArray("0") << false;
    QTest::newRow("1: checked") << QByteArray("1") << true;
    QTest::newRow("2 (hand-edited): cleared") << QByteArray("2") << false;
}

void DlgPreferencesTest::showGridRule()
{
    QFETCH(QByteArray, showHide);
    QFETCH(bool, opensChecked);
    TestSupport::writeFile(iniPath(), iniWith("Show/Hide", showHide));
    Harness h(iniPath());
    auto dialog = h.open();
    QCOMPARE(dialog->chkShowGrid->isChecked(), opensChecked);
    for (bool expectOn : {opensChecked, !opensChecked, opensChecked}) {
        QCOMPARE(dialog->cmbGridStyles->isEnabled(), expectOn);
        QCOMPARE(dialog->cmdGridColor->isEnabled(), expectOn);
        QVERIFY(dialog->shpGridColor->isEnabled() && dialog->cmdGridForeColor->isEnabled());
        dialog->chkShowGrid->click();
    }
    dialog->chkShowGrid->click(); // back to how it opened
    dialog->cmdOK_Click();
    QCOMPARE(reread().showHide, quint8(opensChecked ? 1 : 0));
}

void DlgPreferencesTest::visibilityBoxesOpenFromTheList_data()
{
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<Flags>("boxes");
    QTest::newRow("1,0,1,1,1: only Location cleared")
        << iniWith("Visibility", "1,0,1,1,1") << flagsOf("1,0,1,1,1");
    // Columns the list does not name open as the results grid shows them.
    QTest::newRow("empty list: all shown") << iniWith("Visibility", "") << flagsOf("1,1,1,1,1");
    QTest::newRow("no settings file: all shown") << QByteArray() << flagsOf("1,1,1,1,1");
    QTest::newRow("one entry \"0\": only the first cleared")
        << iniWith("Visibility", "0") << flagsOf("0,1,1,1,1");
    QTest::newRow("entry with a space is not 1")
        << iniWith("Visibility", "1,1 ,1,1,1") << flagsOf("1,0,1,1,1");
    QTest::newRow("two entries: the rest as the grid shows them")
        << iniWith("Visibility", "0,1") << flagsOf("0,1,1,1,1");
    QTest::newRow("seven entries: the first five")
        << iniWith("Visibility", "1,1,1,1,0,0,0") << flagsOf("1,1,1,1,0");
}

void DlgPreferencesTest::visibilityBoxesOpenFromTheList()
{
    QFETCH(QByteArray, ini);
    QFETCH(Flags, boxes);
    if (!ini.isEmpty())
        TestSupport::writeFile(iniPath(), ini);
    Harness h(iniPath());
    auto dialog = h.open();
    QCOMPARE(visibleBoxes(*dialog), boxes);
    dialog->cmdOK_Click();
    QCOMPARE(reread().visibilityList.size(), 5);
    QCOMPARE(flagsOf(reread().visibility.toLatin1().constData()), boxes);
}

void DlgPreferencesTest::columnNamesComeFromTheResultsHeader()
{
    Harness h(iniPath());
    h.window->filesModel()->setText(0, 1, QStringLiteral("Folder"));
    auto dialog = h.open();
    const GridModel *grid = dialog->columnSettingsModel();
    QCOMPARE(grid->rows(), 1 + 5);
    const QStringList names = {"File Name", "Folder", "Size", "Modified Date", "Pages"};
    for (int row = 1; row <= 5; ++row) {
        QCOMPARE(grid->text(row, dlgPreferences::ColSerial), QString::number(row));
        QCOMPARE(grid->text(row, dlgPreferences::ColName), names[row - 1]);
    }
    QCOMPARE(grid->text(0, dlgPreferences::ColVisible), QStringLiteral("Visible"));
    QCOMPARE(grid->checkColumn(), int(dlgPreferences::ColVisible));
}

// Header clicks leave the rows in column order; rows put out of order all
// the same are read by the column each names.
void DlgPreferencesTest::rowsStayInColumnOrder()
{
    TestSupport::writeFile(iniPath(), iniWith("Visibility", "1,0,1,1,0"));
    Harness h(iniPath());
    auto dialog = h.open();
    dialog->show();
    QHeaderView *header = dialog->vsColumnSettings->horizontalHeader();
    for (int col : {0, 0, 1})
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(header->sectionViewportPosition(col) + 5, 5));
    GridModel *grid = dialog->columnSettingsModel();
    QCOMPARE(visibleBoxes(*dialog), flagsOf("1,0,1,1,0"));
    grid->sortByColumn(dlgPreferences::ColSerial, false);
    grid->setChecked(grid->rows() - 1, false); // "File Name", now last
    dialog->cmdOK_Click();
    QCOMPARE(reread().visibility, QStringLiteral("0,0,1,1,0"));
}

void DlgPreferencesTest::columnCommands_data()
{
    QTest::addColumn<QByteArray>("visibility");
    QTest::addColumn<QStringList>("buttons");
    QTest::addColumn<Flags>("boxes");
    QTest::newRow("invert 1,0,1,1,1")
        << QByteArray("1,0,1,1,1") << QStringList{"cmdInvertSelection"} << flagsOf("0,1,0,0,0");
    QTest::newRow("select all then invert")
        << QByteArray("1,0,1,1,1") << QStringList{"cmdSelectAll", "cmdInvertSelection"}
        << flagsOf("0,0,0,0,0");
    QTest::newRow("deselect all") << QByteArray("1,1,0,1,1") << QStringList{"cmdDeselectAll"}
                                  << flagsOf("0,0,0,0,0");
    QTest::newRow("select all from an empty list")
        << QByteArray() << QStringList{"cmdSelectAll"} << flagsOf("1,1,1,1,1");
    QTest::newRow("invert twice") << QByteArray("0,1,1,0,1")
                                  << QStringList{"cmdInvertSelection", "cmdInvertSelection"}
                                  << flagsOf("0,1,1,0,1");
}

void DlgPreferencesTest::columnCommands()
{
    QFETCH(QByteArray, visibility);
    QFETCH(QStringList, buttons);
    QFETCH(Flags, boxes);
    TestSupport::writeFile(iniPath(), iniWith("Visibility", visibility));
    Harness h(iniPath());
    auto dialog = h.open();
    for (const QString &name : buttons) {
        auto *button = dialog->findChild<QPushButton *>(name);
        QVERIFY2(button, qPrintable(name));
        button->click();
    }
    QCOMPARE(visibleBoxes(*dialog), boxes);
}

void DlgPreferencesTest::spaceBarTogglesOnce_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("col");
    QTest::addColumn<Flags>("boxes");
    // The list opens as 1,0,1,1,1.
    QTest::newRow("name cell of a checked row clears it")
        << 1 << int(dlgPreferences::ColName) << flagsOf("0,0,1,1,1");
    QTest::newRow("number cell of a cleared row checks it")
        << 2 << int(dlgPreferences::ColSerial) << flagsOf("1,1,1,1,1");
    QTest::newRow("visible cell: the grid toggles it once")
        << 5 << int(dlgPreferences::ColVisible) << flagsOf("1,0,1,1,0");
}

void DlgPreferencesTest::spaceBarTogglesOnce()
{
    QFETCH(int, row);
    QFETCH(int, col);
    QFETCH(Flags, boxes);
    TestSupport::writeFile(iniPath(), kFullIni);
    Harness h(iniPath());
    auto dialog = h.open();
    dialog->columnSettingsModel()->setCurrentCell(row, col);
    QTest::keyClick(dialog->vsColumnSettings, Qt::Key_Space);
    QCOMPARE(visibleBoxes(*dialog), boxes);
    // Letters do nothing to the boxes.
    QTest::keyClick(dialog->vsColumnSettings, Qt::Key_A);
    QCOMPARE(visibleBoxes(*dialog), boxes);
}

void DlgPreferencesTest::pathButtons_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("box");
    QTest::addColumn<std::optional<QString>>("answer");
    QTest::addColumn<QString>("expected");
    const QString longPath = QLatin1Char('/') + QString(dlgPreferences::kLongestStoredPath, u'd');
    QTest::newRow("export folder: cancel empties the box")
        << "cmdExportLocation"
        << "txtExportLocation" << std::optional<QString>() << QString();
    QTest::newRow("startup folder: cancel empties the box")
        << "cmdStartupFolder"
        << "txtStartUpFolder" << std::optional<QString>() << QString();
    QTest::newRow("startup folder: chosen")
        << "cmdStartupFolder"
        << "txtStartUpFolder" << std::optional<QString>("/data/scans") << "/data/scans";
    QTest::newRow("export folder: 499 characters taken whole")
        << "cmdExportLocation"
        << "txtExportLocation" << std::optional<QString>(longPath.left(499)) << longPath.left(499);
    QTest::newRow("export folder: too long to store keeps the box")
        << "cmdExportLocation"
        << "txtExportLocation" << std::optional<QString>(longPath) << "/srv/out";
    QTest::newRow("picture: cancel keeps the path")
        << "cmdBackGround"
        << "txtBackPicture" << std::optional<QString>() << "/pics/old.bmp";
    QTest::newRow("picture: chosen file")
        << "cmdBackGround"
        << "txtBackPicture" << std::optional<QString>("/pics/new one.jpg") << "/pics/new one.jpg";
}

void DlgPreferencesTest::pathButtons()
{
    QFETCH(QString, button);
    QFETCH(QString, box);
    QFETCH(std::optional<QString>, answer);
    QFETCH(QString, expected);
    TestSupport::writeFile(iniPath(), iniWith("BackPicture", "/pics/old.bmp"));
    Harness h(iniPath());
    h.test.choosers->folderAnswers = {answer};
    h.test.choosers->fileAnswers = {answer};
    auto dialog = h.open();
    dialog->findChild<QPushButton *>(button)->click();
    const bool picture = box == QLatin1String("txtBackPicture");
    QCOMPARE(h.test.choosers->folderTitles,
             picture ? QStringList() : QStringList{"Select Startup Folder"});
    QCOMPARE(h.test.choosers->fileFilters,
             picture ? QStringList{"Bitmap Image|*.bmp|JPEG Image|*.jpg|GIF Image|*.gif"}
                     : QStringList());
    QCOMPARE(h.test.choosers->owners, QList<QWidget *>{dialog.get()});
    auto *text = dialog->findChild<QLineEdit *>(box);
    QCOMPARE(text->text(), expected);
    QCOMPARE(text->isReadOnly(), !picture);
    if (!picture)
        QCOMPARE(text->maxLength(), 500);
    dialog->cmdOK_Click();
    const Settings stored = reread();
    const QString storedPath = picture                                     ? stored.backPicture
                               : box == QLatin1String("txtExportLocation") ? stored.exportLocation
                                                                           : stored.startupFolder;
    QCOMPARE(storedPath, expected);
}

void DlgPreferencesTest::colorButtons_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("swatch");
    QTest::addColumn<std::optional<QColor>>("answer");
    QTest::addColumn<qint32>("expected");
    QTest::newRow("grid colour: red")
        << "cmdGridColor"
        << "shpGridColor" << std::optional<QColor>(QColor(255, 0, 0)) << qint32(255);
    QTest::newRow("fore colour: blue is 0x00FF0000")
        << "cmdGridForeColor"
        << "shpGridForeColor" << std::optional<QColor>(QColor(0, 0, 255)) << qint32(0xFF0000);
    QTest::newRow("fore selection: 1,2,3")
        << "cmdGridForeColorSel"
        << "shpGridForeColorSel" << std::optional<QColor>(QColor(1, 2, 3)) << qint32(0x030201);
    QTest::newRow("back colour: cancel keeps the system colour")
        << "cmdGridBackColor"
        << "shpGridBackColor" << std::optional<QColor>() << qint32(0x80000005u);
    QTest::newRow("back selection: white")
        << "cmdGridBackColorSel"
        << "shpGridBackColorSel" << std::optional<QColor>(QColor(255, 255, 255))
        << qint32(0xFFFFFF);
}

void DlgPreferencesTest::colorButtons()
{
    QFETCH(QString, button);
    QFETCH(QString, swatch);
    QFETCH(std::optional<QColor>, answer);
    QFETCH(qint32, expected);
    TestSupport::writeFile(iniPath(), kFullIni);
    Harness h(iniPath());
    h.test.choosers->colorAnswers = {answer};
    auto dialog = h.open();
    dialog->findChild<QPushButton *>(button)->click();
    QCOMPARE(h.test.choosers->colorRequests, 1);
    QCOMPARE(h.test.choosers->owners, QList<QWidget *>{dialog.get()});
    auto *shape = dialog->findChild<ColorSwatch *>(swatch);
    QCOMPARE(shape->value(), expected);
    // The square shows the colour, a system colour through the palette.
    const QImage shown = shape->grab().toImage();
    QCOMPARE(shown.pixelColor(shown.rect().center()), shape->color());
    QVERIFY(shape->color().isValid());
}

void DlgPreferencesTest::okAppliesLookAndVisibilityAtOnce()
{
    TestSupport::writeFile(iniPath(), kFullIni);
    Harness h(iniPath());
    GridModel *files = h.window->filesModel();
    QVERIFY(files->isColumnHidden(1));
    h.test.choosers->colorAnswers = {QColor(10, 20, 30), QColor(200, 100, 50)};
    auto dialog = h.open();
    dialog->cmdGridBackColor->click();
    dialog->cmdGridColor->click();
    dialog->cmbGridStyles->setCurrentIndex(
        dialog->cmbGridStyles->findText(QStringLiteral("Raised Vertical")));
    dialog->cmdInvertSelection_Click(); // 0,1,0,0,0
    dialog->cmdOK_Click();
    QCOMPARE(dialog->result(), int(QDialog::Accepted));

    const GridLook &look = h.window->vsFiles->look();
    QCOMPARE(look.backColor, QColor(10, 20, 30));
    QCOMPARE(look.gridColor, QColor(200, 100, 50));
    QCOMPARE(look.lineStyle, int(LinesRaisedVertical));
    const Flags shown = flagsOf("0,1,0,0,0");
    for (int col = 0; col < 5; ++col) {
        QCOMPARE(!files->isColumnHidden(col), shown[col]);
        QCOMPARE(!h.window->vsFiles->isColumnHidden(col), shown[col]);
    }
    QCOMPARE(reread().style, quint8(LinesRaisedVertical));
    QCOMPARE(reread().backColor, qint32(0x1E140A));

    // Clearing "Show Grid" takes the lines away while keeping the style.
    auto again = h.open();
    again->chkShowGrid->click();
    again->cmdOK_Click();
    QCOMPARE(h.window->vsFiles->look().lineStyle, int(LinesNone));
    QCOMPARE(reread().style, quint8(LinesRaisedVertical));

    // Every style the list names is stored as its own code.
    const std::pair<const char *, int> styles[] = {{"Flat", 1}, {"Inset", 2}, {"Raised", 3}, {"Flat Horizontal", 4},
        {"Inset Horizontal", 5}, {"Raised Horizontal", 6}, {"Flat Vertical", 8}, {"Inset Vertical", 9},
        {"Explorer", 12}, {"Excel", 13}};
    for (auto [name, code] : styles) {
        auto next = h.open();
        next->cmbGridStyles->setCurrentIndex(next->cmbGridStyles->findText(QString::fromLatin1(name)));
        next->cmdOK_Click();
        QVERIFY2(reread().style == code, name);
    }
}

void DlgPreferencesTest::menuOpensAFreshDialog_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("writes");
    QTest::newRow("OK button") << "ok" << true;
    QTest::newRow("Enter key") << "enter" << true;
    QTest::newRow("Cancel button") << "cancel" << false;
    QTest::newRow("Escape key") << "escape" << false;
    QTest::newRow("close box") << "close" << false;
}

void DlgPreferencesTest::menuOpensAFreshDialog()
{
    QFETCH(QString, how);
    QFETCH(bool, writes);
    TestSupport::writeFile(iniPath(), kFullIni);
    Harness h(iniPath());
    int runs = 0;
    h.window->preferencesRunner = [&](dlgPreferences &dialog) {
        ++runs;
        dialog.show();
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Preferences"));
        QCOMPARE(dialog.parentWidget(), h.window.get());
        // Every opening starts from the settings, never from the last dialog's edits.
        QCOMPARE(dialog.txtExportLocation->text(), h.settings.record().exportLocation);
        QCOMPARE(dialog.txtBackPicture->text(), h.settings.record().backPicture);
        dialog.cmdDeselectAll_Click();
        dialog.chkShowGrid->click();
        dialog.txtBackPicture->setText(QStringLiteral("/typed.gif"));
        h.test.choosers->folderAnswers = {std::nullopt};
        dialog.cmdExportLocation->click();
        if (how == QLatin1String("ok"))
            dialog.cmdOK->click();
        else if (how == QLatin1String("enter"))
            QTest::keyClick(&dialog, Qt::Key_Return);
        else if (how == QLatin1String("cancel"))
            dialog.cmdCancel->click();
        else if (how == QLatin1String("escape"))
            QTest::keyClick(&dialog, Qt::Key_Escape);
        else
            dialog.close();
        QCOMPARE(dialog.result(), int(writes ? QDialog::Accepted : QDialog::Rejected));
    };
    const QByteArray fileBefore = TestSupport::readFile(iniPath());
    h.window->mnuPreferences->trigger();
    h.window->mnuPreferences->trigger();
    QCOMPARE(runs, 2);
    if (writes) {
        QCOMPARE(h.settings.record().visibility, QStringLiteral("0,0,0,0,0"));
        QCOMPARE(reread().backPicture, QStringLiteral("/typed.gif"));
        QCOMPARE(reread().exportLocation, QString());
        QVERIFY(h.window->filesModel()->isColumnHidden(0));
    } else {
        QCOMPARE(TestSupport::readFile(iniPath()), fileBefore);
        QCOMPARE(h.settings.record().visibility, QStringLiteral("1,0,1,1,1"));
        QCOMPARE(h.settings.record().exportLocation, QStringLiteral("/srv/out"));
        QVERIFY(!h.window->filesModel()->isColumnHidden(0));
    }
}

QTEST_MAIN(DlgPreferencesTest)
#include "dlgpreferences_test.moc"
