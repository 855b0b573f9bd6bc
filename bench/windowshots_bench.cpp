// Not a benchmark: a driver that starts the program as a user would (splash
// cut short), lets the first search finish, and saves pictures of the main
// window at its largest and smallest sizes, with the advanced-options panel
// shown and hidden, and of the about box. Run through scripts/windowshots.sh.
//   windowshots_bench OUT_FOLDER START_FOLDER
#include "app/modglobal.h"
#include "settings/settings.h"
#include "ui/appservices.h"
#include "ui/dlgabout.h"
#include "grid/gridmodel.h"
#include "results/resultcolumns.h"
#include "ui/gridview.h"
#include "ui/frmmain.h"

#include <QApplication>
#include <QCheckBox>
#include <QHeaderView>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QPixmap>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextStream>
#include <functional>

namespace {

// Long enough for the splash to be showing, its own event loop running, when
// it ends (a shorter time can end it before that loop starts).
constexpr int kSplashMilliseconds = 500;

bool waitFor(const std::function<bool()> &condition, int milliseconds = 20000)
{
    QDeadlineTimer deadline(milliseconds);
    while (!condition() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    return condition();
}

bool save(QWidget *window, const QDir &out, const QString &name)
{
    QCoreApplication::processEvents();
    const QString path = out.filePath(name + QStringLiteral(".png"));
    const bool saved = window->grab().save(path);
    QTextStream(stdout) << (saved ? "saved " : "FAILED ") << path << " (" << window->width()
                        << " x " << window->height() << " pixels)\n";
    return saved;
}

bool writeSettings(const QString &path, const QString &startFolder)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write("[General]\r\nStartupFolder=" + startFolder.toUtf8() + "\r\n");
    return true;
}

// Both panel states at the window's current size.
bool savePanelStates(frmMain &window, const QDir &out, const QString &sizeName)
{
    bool ok = save(&window, out, QStringLiteral("main-%1-panel-shown").arg(sizeName));
    window.cmdShowHideAdvanceSearch_Click();
    ok = save(&window, out, QStringLiteral("main-%1-panel-hidden").arg(sizeName)) && ok;
    window.cmdShowHideAdvanceSearch_Click();
    return ok;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc != 3) {
        QTextStream(stderr) << "usage: windowshots_bench OUT_FOLDER START_FOLDER\n";
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    QTemporaryDir scratch;
    const QString iniPath = scratch.filePath(QStringLiteral("Settings.ini"));
    if (!out.exists() || !writeSettings(iniPath, QString::fromLocal8Bit(argv[2]))) {
        QTextStream(stderr) << "cannot write to the output or scratch folder\n";
        return 2;
    }

    SettingsStore settings(iniPath);
    const std::unique_ptr<frmMain> window =
        modGlobal::Startup(settings, createAppServices(), kSplashMilliseconds);
    if (!window)
        return 1;
    if (!waitFor([&] { return !window->firstActivationPending() && !window->isSearching(); }))
        QTextStream(stderr) << "the first search did not end in time\n";

    bool ok = savePanelStates(*window, out, QStringLiteral("maximised"));

    // The whole tree, sorted by pages (largest first), one row selected: the
    // icons, the sort mark and the grid lines in one picture.
    window->chkSearchIncSubFlder->setChecked(true);
    window->cmdSearch_Click();
    for (int click = 0; click < 2; ++click)
        window->vsFiles->horizontalHeader()->sectionClicked(ResultColumns::Pages);
    window->filesModel()->selectOnly(2, 2);
    ok = save(window.get(), out, QStringLiteral("main-sorted-by-pages")) && ok;

    window->showNormal();
    window->resize(1, 1); // snaps back to the smallest size
    ok = savePanelStates(*window, out, QStringLiteral("minimum")) && ok;

    window->mnuAbout->trigger();
    dlgAbout *about = dlgAbout::openInstance();
    ok = about && save(about, out, QStringLiteral("about")) && ok;
    if (about)
        about->cmdOk->click();
    waitFor([] { return dlgAbout::openInstance() == nullptr; }, 2000);
    window->close();
    return ok ? 0 : 1;
}
