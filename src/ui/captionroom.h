#pragma once

#include <initializer_list>

class QWidget;

// Room for captions in windows whose controls are placed by hand (in twips).
// A caption in another language, or in a larger face, may need more width
// than its control was given; these make the control that much wider and
// move what stands beside it.
namespace CaptionRoom {

// The width in pixels that `widget` needs to show its caption whole: a
// label's text, a button's text inside its margins, a check box's or radio
// button's text beside its indicator, a group box's title; 0 for a widget
// without a caption and for a label that wraps its words.
int captionWidth(const QWidget *widget);

// Widens every direct child of `container` whose caption needs it, first
// into the free space on its left where another control stands there, else
// to the right. A control it then reaches on the same row moves right, a
// text box or drop-down list first giving up the width its content can spare;
// a frame among the children is fitted first, its own children's needs
// included. Returns the width `container` needs now, its right margin kept:
// its own width or more. The caller decides whether the container grows.
int makeRoom(QWidget *container);

// makeRoom for a window of a fixed size: it widens as far as its controls
// need, and the controls in `keptRight` move with its right edge.
void fitFixedWindow(QWidget *window, std::initializer_list<QWidget *> keptRight = {});

} // namespace CaptionRoom
