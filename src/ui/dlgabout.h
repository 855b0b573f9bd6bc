#pragma once

#include <QDialog>
#include <memory>

class DesktopServices;
class Prompts;
class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;

// The about box: the product and its version, the maker's notice, the
// support and website links, and a button that starts the system's
// information tool. Modeless and without a parent, so it outlives the main
// window until it is closed too; deletes itself when closed.
class dlgAbout : public QDialog
{
    Q_OBJECT
public:
    // What StartSysInfo says when there is no such tool.
    static QString sysInfoUnavailable();

    dlgAbout(std::shared_ptr<DesktopServices> desktop, std::shared_ptr<Prompts> prompts,
             QWidget *parent = nullptr);

    // The about box that is open now, if any: there is never more than one.
    static dlgAbout *openInstance();

    // Starts the system-information tool, or says that there is none.
    void StartSysInfo();

    QGroupBox *Frame1;
    QLabel *Picture1;
    QLabel *Label1;
    QLabel *Label4;
    QLabel *Label3;
    QLabel *Label5;
    QFrame *Line1;
    QLabel *Label6;
    QPushButton *cmdSysInfo;
    QPushButton *cmdOk;

public Q_SLOTS:
    void cmdOK_Click();
    void cmdSysInfo_Click();
    void Label3_Click();
    void Label5_Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void buildControls();
    QLabel *linkLabel(const QString &text, const char *name, int left, int top);
    void RunShellExecute(const QString &target);

    std::shared_ptr<DesktopServices> m_desktop;
    std::shared_ptr<Prompts> m_prompts;
};
