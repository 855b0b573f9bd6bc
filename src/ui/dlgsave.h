#pragma once

#include "export/exportrules.h"

#include <QDialog>

class FolderTree;
class Prompts;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The export dialog: folder, file name, file type and, for the text and Word
// types, the column separator. It writes nothing; the caller reads FileName
// and ColumnSaperator once it has closed.
class dlgSave : public QDialog
{
    Q_OBJECT
public:
    // Opens at `exportLocation` (the home folder when that is blank or cannot
    // be selected); messages go through `prompts`.
    dlgSave(const QString &exportLocation, Prompts &prompts, QWidget *parent = nullptr);

    // Runs the dialog modally and hands back what it gave.
    static ExportRules::ExportChoice run(QWidget *parent, const QString &exportLocation,
                                         Prompts &prompts);

    // Full path of the file to write, "//Cancelled//" after Cancel, empty
    // while open and after a close by other means.
    QString FileName() const { return m_fileName; }
    void setFileName(const QString &fileName) { m_fileName = fileName; }
    // The separator typed, when its box was shown at Save; otherwise empty.
    QString ColumnSaperator() const { return m_columnSaperator; }

    void cmdSave_Click();
    void cmdCancel_Click();
    void cmbFileType_Click();

    FolderTree *ftvFolder = nullptr;
    QGroupBox *fmeFile = nullptr;
    QLineEdit *txtFileName = nullptr;
    QComboBox *cmbFileType = nullptr;
    QLabel *lblDelimeter = nullptr;
    QLineEdit *txtColSaperator = nullptr;
    QPushButton *cmdSave = nullptr;
    QPushButton *cmdCancel = nullptr;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void buildControls();
    void Form_Load(const QString &exportLocation);
    void selectStartFolder(const QString &exportLocation);
    bool separatorShown() const;

    Prompts &m_prompts;
    QString m_fileName;
    QString m_columnSaperator;
};
