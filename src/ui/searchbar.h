#pragma once

#include <QFrame>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;

// The search bar under the results: the two check boxes, Search, Export and
// the panel button. The Filter box is never shown; the search reads its one
// entry.
class SearchBar : public QFrame
{
    Q_OBJECT
public:
    explicit SearchBar(QWidget *parent = nullptr);

    // Empties the Filter list and fills it with its one entry, selected.
    void fillPatternList();
    void setStartValues();

    QCheckBox *chkSearchIncSubFlder;
    QCheckBox *chkShowHidden;
    QPushButton *cmdSearch;
    QPushButton *cmdExport;
    QPushButton *cmdShowHideAdvanceSearch;
    QLabel *lblFilter;
    QComboBox *cmbFilterPattern;
};
