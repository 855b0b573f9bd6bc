#pragma once

#include <QMainWindow>

class SettingsStore;
class QMenu;

// The main window. Its handlers carry the names of the controls and events
// they serve (Form_Load, Form_Activate, cmdSearch_Click, ...).
class frmMain : public QMainWindow
{
    Q_OBJECT
public:
    explicit frmMain(SettingsStore &settings, QWidget *parent = nullptr);
    ~frmMain() override;

    // The load handler: runs once, before the window is first shown.
    void Form_Load();

    bool firstActivationPending() const { return m_firstActivation; }
    bool isLoaded() const { return m_loaded; }
    const QString &startFolder() const { return m_startFolder; }

    QMenu *mnuFile = nullptr;
    QAction *mnuExit = nullptr;

Q_SIGNALS:
    // The first activation has taken the start folder and started its search.
    void firstActivationStarted(const QString &startFolder);

public Q_SLOTS:
    void mnuExit_Click();

protected:
    bool event(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void Form_Activate();
    void buildMenus();

    SettingsStore &m_settings;
    bool m_firstActivation = false;
    bool m_loaded = false;
    bool m_ending = false;
    QString m_startFolder;
};
