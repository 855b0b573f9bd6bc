#pragma once

#include <QGroupBox>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QFrame;
class QRadioButton;
class NumberBox;
class UpDown;

// The "Advance Search Options" panel: the date and size criteria. Its
// content keeps fixed positions; only the panel itself is placed.
class AdvancedOptionsPanel : public QGroupBox
{
    Q_OBJECT
public:
    explicit AdvancedOptionsPanel(QWidget *parent = nullptr);

    // Empties and fills the three lists, then sets every control to its start value.
    void fillLists();
    void setStartValues(const QDate &today);
    // The value a list's choice stands for, as the criteria compare it
    // (English, whatever the language it shows in).
    static QString choice(const QComboBox *box);

    QCheckBox *chkSearchByDate;
    QFrame *fmeSearchByDate;
    QComboBox *cmbDateRangeType;
    QRadioButton *optInPeriod;
    NumberBox *txtInPeriod;
    UpDown *udInPeriod;
    QComboBox *cmbDateInPeriod;
    QRadioButton *optBtnPeriod;
    QDateEdit *dtpDateFrom;
    QDateEdit *dtpDateTo;
    QCheckBox *chkSearchBySize;
    QFrame *fmeSearchBySize;
    QRadioButton *optSizeAt;
    QComboBox *cmbLeastMost;
    NumberBox *txtSizeLeastMost;
    UpDown *udSizeLeastMost;
    QRadioButton *optSizeBtn;
    NumberBox *txtSizeFrom;
    UpDown *udSizeFrom;
    NumberBox *txtSizeTo;
    UpDown *udSizeTo;
};
