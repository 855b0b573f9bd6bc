#pragma once

#include <QCoreApplication>
#include <QString>
#include <functional>
#include <memory>

struct AppServices;

class SettingsStore;
class frmMain;

// The start-up routine and the program's lifetime.
class modGlobal
{
    Q_DECLARE_TR_FUNCTIONS(modGlobal)

public:
    using MessageSink = std::function<void(const QString &text)>;

    // Shows an information box titled with the product name.
    static void showInformation(const QString &text);

    // Reads the settings (a failure is reported through `message` and ends
    // the program), loads the main window hidden, shows the splash modally
    // for `splashMilliseconds`, after which the main window appears
    // maximised. Returns the loaded main window, or nullptr after a failure.
    // The window is the caller's to delete once the event loop has ended (it
    // is not deleted on close: a search may still be unwinding inside it).
    static std::unique_ptr<frmMain> Startup(SettingsStore &settings, AppServices services,
                                            int splashMilliseconds,
                                            const MessageSink &message = showInformation);

    // The whole program: Startup, then the event loop. Returns the exit code.
    static int Main(SettingsStore &settings);
};
