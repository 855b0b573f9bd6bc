#pragma once

#include "results/pagebreakdown.h"
#include "search/tifffile.h"

#include <optional>

// Byte order and offset width of a TIFF file: classic TIFF (version 42,
// 32-bit offsets) or BigTIFF (version 43, 64-bit offsets).
struct TiffFormat {
    TiffByteOrder order;
    bool bigTiff = false;

    quint64 headerSize() const { return bigTiff ? 16 : 8; }
    quint64 countSize() const { return bigTiff ? 8 : 2; }
    quint64 entrySize() const { return bigTiff ? 20 : 12; }
    quint64 offsetSize() const { return bigTiff ? 8 : 4; }
};

struct TiffHeader {
    TiffFormat format;
    quint64 firstDirectory = 0;
};

// What counting pages needs to know of one image file directory (IFD).
struct TiffDirectory {
    quint64 entryCount = 0;
    quint64 next = 0;     // offset of the next directory; 0 ends the chain
    bool isImage = false; // has a width, a length and strip or tile offsets
    bool isPage = true;   // neither a reduced-resolution image nor a transparency mask
    bool isMask = false;  // a transparency mask (and not a reduced-resolution image)
    PageFacts page;       // its size class, capture mode and A4-equivalent count
};

// Why a directory could not be read.
enum class TiffDirectoryFault { None, Outside, CutOff };

// The header of `file`, or nothing when it is not a TIFF header.
std::optional<TiffHeader> readTiffHeader(TiffFile &file);

// The directory at `offset`, or nothing when its entry count and entries do
// not all lie inside the file (or the offset points into the header). A next
// pointer that does not fit in the file reads as 0.
// `fault`, when given, tells whether the directory lies outside the file or
// is cut off by its end.
std::optional<TiffDirectory> readTiffDirectory(TiffFile &file, const TiffFormat &format,
                                               quint64 offset, TiffDirectoryFault *fault = nullptr);
