#pragma once

#include "results/pagebreakdown.h"

#include <QString>
#include <QStringView>

// What pages are worth, in words.

// How a text is written: for people ("A4 120, A3 4", in the user's language)
// or for programs ("A4=120;A3=4", the same in every language).
enum class TextFor { People, Programs };

// "A4", "ISO B4", "JIS B5", "Letter", "ANSI C", "Fax", "Other", "Unknown size",
// in the user's language.
QString pageSizeName(PageSize size);

// The size classes present, most pages first: "A4 120, A3 4, Other 1" or "A4=2;A3=1".
QString sizesText(const PageBreakdown &breakdown, TextFor form);

// "2 × A4, 1 × A3 landscape · 1 color, 2 black and white · 4 A4-equivalent
// pages", with the Other size in mm and the reasons of unknown ones.
QString breakdownText(const PageBreakdown &breakdown);

// "1 color, 2 black and white" (modes present) and "4 A4-equivalent pages".
QString modesText(const PageBreakdown &breakdown);
QString a4EquivalentText(qint64 a4Equivalent);
