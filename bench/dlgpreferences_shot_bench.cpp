// Not a benchmark: a driver that opens the preferences dialog over a loaded
// main window, saves a picture of it and lists where every named control sits
// (in twips, relative to its frame or the dialog) for comparison with the
// design positions. Run on the offscreen platform:
//   dlgpreferences_shot_bench OUT.png [SETTINGS.ini] -platform offscreen
#include "settings/settings.h"
#include "ui/appservices.h"
#include "ui/dlgpreferences.h"
#include "ui/frmmain.h"
#include "ui/twips.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTextStream>

namespace {

void listControls(const dlgPreferences &dialog)
{
    QTextStream out(stdout);
    const int dpi = dialog.logicalDpiX();
    out << "dialog client " << pixelsToTwips(dialog.width(), dpi) << " x "
        << pixelsToTwips(dialog.height(), dpi) << " twips at " << dpi << " dpi\n";
    for (const QWidget *control : dialog.findChildren<QWidget *>()) {
        const QString name = control->objectName();
        if (name.isEmpty() || name.startsWith(QLatin1String("qt_")))
            continue;
        const QRect r = control->geometry();
        out << name << " " << pixelsToTwips(r.x(), dpi) << ", " << pixelsToTwips(r.y(), dpi) << ", "
            << pixelsToTwips(r.width(), dpi) << ", " << pixelsToTwips(r.height(), dpi) << "\n";
    }
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // The program's own face (set by its start-up routine, which this driver skips).
    QFont font = QApplication::font();
    font.setFamilies(
        {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"), QStringLiteral("Arial")});
    font.setPointSizeF(8.25);
    QApplication::setFont(font);
    if (argc < 2) {
        QTextStream(stderr) << "usage: dlgpreferences_shot_bench OUT.png [SETTINGS.ini]\n";
        return 2;
    }
    QTemporaryDir scratch;
    SettingsStore settings(argc > 2 ? QString::fromLocal8Bit(argv[2])
                                    : scratch.filePath(QStringLiteral("Settings.ini")));
    if (!settings.ReadSettings())
        return 1;
    frmMain window(settings, createAppServices());
    window.Form_Load();
    dlgPreferences dialog(settings, window);
    dialog.show();
    QCoreApplication::processEvents();
    listControls(dialog);
    const bool saved = dialog.grab().save(QString::fromLocal8Bit(argv[1]));
    QTextStream(stdout) << (saved ? "saved " : "FAILED ") << argv[1] << "\n";
    return saved ? 0 : 1;
}
