#pragma once

#include "results/pagebreakdown.h"

#include <QtGlobal>

// A value a directory entry gives: read, missing, malformed, or stored
// outside the directory (at `offset`, not read yet, past the end of the file,
// or where the count did not read).
struct TiffValue
{
    enum State : quint8 { Missing, Read, Malformed, Pending, Outside, NotRead };
    State state = Missing;
    quint64 offset = 0;  // Pending: where the value lies
    quint32 first = 0;   // a fraction's numerator, or the first of several
    quint32 second = 0;  // a fraction's denominator
};

// The tags of one image directory that say what its page is worth, with the
// TIFF defaults for those a directory may leave out.
struct TiffPageTags
{
    quint64 width = 0;
    quint64 length = 0;
    TiffValue xResolution;
    TiffValue yResolution;
    quint64 resolutionUnit = 2; // inch
    int photometric = -1;       // missing
    quint64 samplesPerPixel = 1;
    TiffValue bitsPerSample{TiffValue::Read, 0, 1, 0}; // the first sample's
};

// The page's size class, orientation, A4-equivalent count and capture mode.
// Never guesses: a value missing or out of bounds leaves the size or mode
// Unknown, with the reason.
PageFacts classifyPage(const TiffPageTags &tags);

// Whether the mode of a page with this photometric interpretation depends
// on its bits per sample (grey and mask pages): only then are they read.
bool modeNeedsBits(int photometric);
