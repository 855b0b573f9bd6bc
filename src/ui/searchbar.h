#pragma once

#include <QFrame>
#include <QStringList>

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

    // The Search button's captions while idle and while a search runs.
    static QString searchCaption();
    static QString cancelCaption();
    // The panel button's captions: the first one it shows, then those after
    // a press that hides the panel and after one that shows it.
    static QStringList panelCaptions();
    static QString showPanelCaption();
    static QString hidePanelCaption();

    QCheckBox *chkSearchIncSubFlder;
    QCheckBox *chkShowHidden;
    QPushButton *cmdSearch;
    QPushButton *cmdExport;
    QPushButton *cmdShowHideAdvanceSearch;
    QLabel *lblFilter;
    QComboBox *cmbFilterPattern;
};
