#include "ui/captionroom.h"

#include "ui/twips.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>

#include <algorithm>
#include <vector>

namespace {

// The widest gap a moved control keeps to the one that moved it.
constexpr int kGapTwips = 60;

struct Placement
{
    QWidget *widget;
    QRect was; // as placed before any room was made
    QRect now;
};

// On one row: they share more than half of the lower one's height.
bool sameRow(const QRect &a, const QRect &b)
{
    const int shared = std::min(a.bottom(), b.bottom()) - std::max(a.top(), b.top()) + 1;
    return 2 * shared > std::min(a.height(), b.height());
}

// `b` stands right of `a` on its row: it starts past a's middle.
bool standsRightOf(const QRect &b, const QRect &a)
{
    return sameRow(a, b) && b.left() > a.center().x();
}

bool isFrame(const QWidget *widget)
{
    return qobject_cast<const QGroupBox *>(widget) ||
           widget->metaObject() == &QFrame::staticMetaObject;
}

// The narrowest a control may become when another needs its room: a text
// box or a list down to what its content asks; anything else keeps its width.
int narrowest(const QWidget *widget, int width)
{
    if (qobject_cast<const QLineEdit *>(widget) || qobject_cast<const QComboBox *>(widget))
        return std::min(width, widget->sizeHint().width());
    return width;
}

// Moves right, or narrows, every control on c's row that c now reaches,
// and then what those reach in turn. Two controls placed overlapping stay
// so while only moved, not when the one on the left grew: its caption fills it.
void pushRight(std::vector<Placement> &controls, size_t moved, bool grew, int gap)
{
    const Placement &c = controls[moved];
    for (size_t i = 0; i < controls.size(); ++i) {
        Placement &next = controls[i];
        if (i == moved || !standsRightOf(next.was, c.was))
            continue;
        const int placed = next.was.left() - c.was.right() - 1;
        if (grew && placed >= 0 && c.now.right() <= c.was.right())
            continue; // it grew to the left only
        const int kept = placed < 0 && !grew ? placed : gap;
        const int overlap = c.now.right() + 1 + kept - next.now.left();
        if (overlap <= 0)
            continue;
        const int given =
            std::clamp(next.now.width() - narrowest(next.widget, next.was.width()), 0, overlap);
        next.now.setLeft(next.now.left() + given);
        next.now.translate(overlap - given, 0);
        if (overlap > given)
            pushRight(controls, i, false, gap);
    }
}

// The width c's caption has: its own, less what a control placed over its
// right end covers.
int captionRoom(const std::vector<Placement> &controls, const Placement &c)
{
    int room = c.now.width();
    for (const Placement &next : controls)
        if (standsRightOf(next.was, c.was) && next.was.left() <= c.was.right())
            room = std::min(room, next.was.left() - c.was.left());
    return room;
}

// The free width left of c, down to the nearest control on its row less
// `gap`; -1 when none stands there.
int roomOnTheLeft(const std::vector<Placement> &controls, const Placement &c, int gap)
{
    int room = -1;
    for (const Placement &other : controls)
        if (&other != &c && sameRow(other.was, c.was) && other.was.right() < c.was.left()) {
            const int free = c.now.left() - other.now.right() - 1 - gap;
            room = room < 0 ? std::max(free, 0) : std::min(room, std::max(free, 0));
        }
    return room;
}

// The nearest control standing right of c on its row; null when none does.
const Placement *rightNeighbour(const std::vector<Placement> &controls, const Placement &c)
{
    const Placement *nearest = nullptr;
    for (const Placement &other : controls)
        if (standsRightOf(other.was, c.was) && (!nearest || other.was.left() < nearest->was.left()))
            nearest = &other;
    return nearest;
}

// Each control's caption width. Labels that start at one place and name
// controls that start at one place form a column: each takes the widest
// caption among them, so that what they name stays in line.
std::vector<int> wantedWidths(const std::vector<Placement> &controls)
{
    std::vector<int> wanted;
    for (const Placement &c : controls)
        wanted.push_back(CaptionRoom::captionWidth(c.widget));
    const auto column = [&](const Placement &a, const Placement &b) {
        const Placement *namedA = rightNeighbour(controls, a);
        const Placement *namedB = rightNeighbour(controls, b);
        return qobject_cast<const QLabel *>(a.widget) && qobject_cast<const QLabel *>(b.widget) &&
               a.was.left() == b.was.left() && namedA && namedB &&
               namedA->was.left() == namedB->was.left();
    };
    std::vector<int> widest = wanted;
    for (size_t i = 0; i < controls.size(); ++i)
        for (size_t j = 0; j < controls.size(); ++j)
            if (i != j && wanted[j] > controls[j].was.width() && column(controls[i], controls[j]))
                widest[i] = std::max(widest[i], wanted[j]);
    return widest;
}

} // namespace

int CaptionRoom::captionWidth(const QWidget *widget)
{
    if (auto *label = qobject_cast<const QLabel *>(widget))
        return label->wordWrap() || label->text().isEmpty() ? 0 : label->sizeHint().width();
    if (auto *button = qobject_cast<const QPushButton *>(widget)) {
        // Not its size hint: that holds the style's smallest button width,
        // which no caption needs.
        const QString text = QString(button->text()).remove(u'&');
        return text.isEmpty()
                   ? 0
                   : widget->fontMetrics().horizontalAdvance(text) +
                         widget->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, widget);
    }
    if (qobject_cast<const QComboBox *>(widget)) // its longest entry
        return widget->sizeHint().width();
    if (auto *button = qobject_cast<const QAbstractButton *>(widget))
        return button->text().isEmpty() ? 0 : button->sizeHint().width();
    if (auto *box = qobject_cast<const QGroupBox *>(widget))
        return box->title().isEmpty() ? 0 : box->minimumSizeHint().width();
    return 0;
}

int CaptionRoom::makeRoom(QWidget *container)
{
    std::vector<Placement> controls;
    for (QWidget *child : container->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        if (!child->isWindow())
            controls.push_back({child, child->geometry(), child->geometry()});
    // Left to right, so that a control finds those on its left already in place.
    std::stable_sort(controls.begin(), controls.end(), [](const Placement &a, const Placement &b) {
        return a.was.left() < b.was.left();
    });
    const int gap = twipsToPixels(kGapTwips, widgetDpi(container));
    // The narrowest right margin among the controls placed inside (a rule
    // may reach past the edge on purpose).
    int margin = container->width();
    for (const Placement &c : controls)
        if (c.was.right() < container->width())
            margin = std::min(margin, container->width() - c.was.right() - 1);

    const std::vector<int> wanted = wantedWidths(controls);
    for (size_t i = 0; i < controls.size(); ++i) {
        Placement &c = controls[i];
        if (isFrame(c.widget)) {
            const int extra = std::max(makeRoom(c.widget), wanted[i]) - c.now.width();
            if (extra > 0) {
                c.now.setRight(c.now.right() + extra);
                pushRight(controls, i, true, gap);
            }
            continue;
        }
        const int extra = wanted[i] - captionRoom(controls, c);
        if (extra <= 0)
            continue;
        c.now.translate(-std::clamp(roomOnTheLeft(controls, c, gap), 0, extra), 0);
        c.now.setRight(std::max(c.now.right(), c.now.left() + wanted[i] - 1));
        pushRight(controls, i, true, gap);
    }

    int needed = container->width();
    for (const Placement &c : controls)
        if (c.now != c.was) {
            c.widget->setGeometry(c.now);
            needed = std::max(needed, c.now.right() + 1 + margin);
        }
    return needed;
}

void CaptionRoom::fitFixedWindow(QWidget *window, std::initializer_list<QWidget *> keptRight)
{
    int margin = window->width();
    for (const QWidget *control : keptRight)
        margin = std::min(margin, window->width() - control->geometry().right() - 1);
    const int needed = makeRoom(window);
    if (needed <= window->width())
        return;
    window->setFixedSize(needed, window->height());
    // Unless they widened it themselves, they move together up to the new edge.
    int edge = 0;
    for (const QWidget *control : keptRight)
        edge = std::max(edge, control->geometry().right() + 1);
    const int shift = needed - margin - edge;
    for (QWidget *control : keptRight)
        control->move(control->x() + std::max(shift, 0), control->y());
}
