#include "search/tiffdirectory.h"

#include "search/pagesize.h"

#include <algorithm>

namespace {

enum TiffTag : quint16 {
    NewSubfileTypeTag = 254,
    SubfileTypeTag = 255,
    ImageWidthTag = 256,
    ImageLengthTag = 257,
    BitsPerSampleTag = 258,
    PhotometricTag = 262,
    StripOffsetsTag = 273,
    SamplesPerPixelTag = 277,
    XResolutionTag = 282,
    YResolutionTag = 283,
    ResolutionUnitTag = 296,
    TileOffsetsTag = 324,
};

enum TiffFieldType : quint16 {
    ByteType = 1,
    ShortType = 3,
    LongType = 4,
    RationalType = 5,
    IfdType = 13,
    Long8Type = 16,
    Ifd8Type = 18,
};

constexpr quint16 kClassicVersion = 42;
constexpr quint16 kBigTiffVersion = 43;
constexpr quint16 kBigTiffOffsetSize = 8;

// NewSubfileType bits and the old SubfileType value that mark a directory
// as something other than a page.
constexpr quint64 kReducedResolutionBit = 0x1;
constexpr quint64 kTransparencyMaskBit = 0x4;
constexpr quint64 kOldReducedResolution = 2;

// Entries are scanned in slices so a directory claiming millions of entries
// never needs one huge buffer.
constexpr quint64 kEntriesPerSlice = 1024;

quint64 fieldTypeSize(quint16 type)
{
    switch (type) {
    case ByteType: return 1;
    case ShortType: return 2;
    case LongType:
    case IfdType: return 4;
    case Long8Type:
    case Ifd8Type: return 8;
    default: return 0;
    }
}

quint64 entryCount(const uchar *entry, const TiffFormat &format)
{
    return format.bigTiff ? format.order.u64(entry + 4) : format.order.u32(entry + 4);
}

// The first value of an integer entry when it is stored in the entry
// itself; 0 for any other entry (nothing to go on, so no special meaning).
quint64 inlineValue(const uchar *entry, const TiffFormat &format)
{
    const TiffByteOrder &order = format.order;
    const quint16 type = order.u16(entry + 2);
    const quint64 count = entryCount(entry, format);
    const uchar *value = entry + 4 + format.offsetSize();
    const quint64 typeSize = fieldTypeSize(type);
    if (typeSize == 0 || count == 0 || count > format.offsetSize() / typeSize)
        return 0;
    switch (typeSize) {
    case 1: return *value;
    case 2: return order.u16(value);
    case 4: return order.u32(value);
    default: return order.u64(value);
    }
}

// A fraction: in a BigTIFF entry itself, else where the entry points.
TiffValue rationalValue(const uchar *entry, const TiffFormat &format)
{
    const TiffByteOrder &order = format.order;
    if (order.u16(entry + 2) != RationalType || entryCount(entry, format) == 0)
        return {TiffValue::Malformed};
    if (format.bigTiff)
        return {TiffValue::Read, 0, order.u32(entry + 12), order.u32(entry + 16)};
    return {TiffValue::Pending, order.u32(entry + 8)};
}

// The first of a list of shorts: in the entry, or where the entry points
// when the list does not fit (a colour page's three BitsPerSample values).
TiffValue firstShortValue(const uchar *entry, const TiffFormat &format)
{
    const quint64 count = entryCount(entry, format);
    if (format.order.u16(entry + 2) != ShortType || count == 0)
        return {TiffValue::Malformed};
    if (count * 2 <= format.offsetSize())
        return {TiffValue::Read, 0, quint32(inlineValue(entry, format))};
    const uchar *at = entry + 4 + format.offsetSize();
    return {TiffValue::Pending, format.bigTiff ? format.order.u64(at) : format.order.u32(at)};
}

// Reads a value stored outside its directory; never more than the file's
// one extra read.
void resolveValue(TiffFile &file, const TiffFormat &format, TiffValue &value, bool rational)
{
    if (value.state != TiffValue::Pending)
        return;
    const quint64 length = rational ? 8 : 2;
    if (!file.contains(value.offset, length)) {
        value.state = TiffValue::Outside;
        return;
    }
    const uchar *bytes = file.valueAt(value.offset, length);
    if (!bytes) {
        value.state = TiffValue::NotRead;
        return;
    }
    value.state = TiffValue::Read;
    value.first = rational ? format.order.u32(bytes) : format.order.u16(bytes);
    value.second = rational ? format.order.u32(bytes + 4) : 0;
}

// A PhotometricInterpretation entry that holds no single integer.
constexpr int kUnreadablePhotometric = 0x10000;

struct EntryScan {
    TiffPageTags tags;
    bool hasWidth = false;
    bool hasLength = false;
    bool hasPixelData = false;
    bool reduced = false;
    bool mask = false;

    void take(const uchar *entry, const TiffFormat &format)
    {
        switch (format.order.u16(entry)) {
        case NewSubfileTypeTag: {
            const quint64 value = inlineValue(entry, format);
            reduced = reduced || (value & kReducedResolutionBit);
            mask = mask || (value & kTransparencyMaskBit);
            break;
        }
        case SubfileTypeTag:
            if (inlineValue(entry, format) == kOldReducedResolution)
                reduced = true;
            break;
        case ImageWidthTag:
            hasWidth = true;
            tags.width = inlineValue(entry, format);
            break;
        case ImageLengthTag:
            hasLength = true;
            tags.length = inlineValue(entry, format);
            break;
        case BitsPerSampleTag: tags.bitsPerSample = firstShortValue(entry, format); break;
        case PhotometricTag:
            // Not an integer in the entry: no interpretation a page can have.
            tags.photometric = entryCount(entry, format) == 1 && fieldTypeSize(format.order.u16(entry + 2)) > 0
                    ? int(quint16(inlineValue(entry, format))) : kUnreadablePhotometric;
            break;
        case SamplesPerPixelTag: tags.samplesPerPixel = inlineValue(entry, format); break;
        case XResolutionTag: tags.xResolution = rationalValue(entry, format); break;
        case YResolutionTag: tags.yResolution = rationalValue(entry, format); break;
        case ResolutionUnitTag: tags.resolutionUnit = inlineValue(entry, format); break;
        case StripOffsetsTag:
        case TileOffsetsTag: hasPixelData = true; break;
        default: break;
        }
    }
};

bool scanEntries(TiffFile &file, const TiffFormat &format, quint64 first, quint64 count,
                 EntryScan &scan)
{
    const quint64 entrySize = format.entrySize();
    for (quint64 done = 0; done < count;) {
        const quint64 slice = std::min(kEntriesPerSlice, count - done);
        const uchar *entries = file.bytesAt(first + done * entrySize, slice * entrySize);
        if (!entries)
            return false;
        for (quint64 i = 0; i < slice; ++i)
            scan.take(entries + i * entrySize, format);
        done += slice;
    }
    return true;
}

} // namespace

std::optional<TiffHeader> readTiffHeader(TiffFile &file)
{
    const uchar *bytes = file.bytesAt(0, 8);
    if (!bytes || bytes[0] != bytes[1] || (bytes[0] != 'I' && bytes[0] != 'M'))
        return std::nullopt;
    TiffHeader header;
    header.format.order.bigEndian = bytes[0] == 'M';
    const TiffByteOrder &order = header.format.order;
    const quint16 version = order.u16(bytes + 2);
    if (version == kClassicVersion) {
        header.firstDirectory = order.u32(bytes + 4);
        return header;
    }
    if (version != kBigTiffVersion || order.u16(bytes + 4) != kBigTiffOffsetSize
        || order.u16(bytes + 6) != 0)
        return std::nullopt;
    header.format.bigTiff = true;
    bytes = file.bytesAt(8, 8);
    if (!bytes)
        return std::nullopt;
    header.firstDirectory = order.u64(bytes);
    return header;
}

std::optional<TiffDirectory> readTiffDirectory(TiffFile &file, const TiffFormat &format,
                                               quint64 offset, TiffDirectoryFault *fault)
{
    TiffDirectoryFault ignored;
    TiffDirectoryFault &why = fault ? *fault : ignored;
    why = TiffDirectoryFault::Outside;
    if (offset < format.headerSize())
        return std::nullopt;
    const uchar *countBytes = file.bytesAt(offset, format.countSize());
    if (!countBytes)
        return std::nullopt;
    why = TiffDirectoryFault::CutOff;
    TiffDirectory directory;
    directory.entryCount = format.bigTiff ? format.order.u64(countBytes)
                                          : format.order.u16(countBytes);
    // Checked by division first: count × entry size must not overflow.
    const quint64 entriesStart = offset + format.countSize();
    const quint64 room = file.size() - entriesStart;
    if (directory.entryCount > room / format.entrySize())
        return std::nullopt;
    EntryScan scan;
    if (!scanEntries(file, format, entriesStart, directory.entryCount, scan))
        return std::nullopt;
    why = TiffDirectoryFault::None;
    directory.isImage = scan.hasWidth && scan.hasLength && scan.hasPixelData;
    directory.isPage = !scan.reduced && !scan.mask;
    directory.isMask = scan.mask && !scan.reduced;
    resolveValue(file, format, scan.tags.xResolution, true);
    resolveValue(file, format, scan.tags.yResolution, true);
    if (modeNeedsBits(scan.tags.photometric))
        resolveValue(file, format, scan.tags.bitsPerSample, false);
    directory.page = classifyPage(scan.tags);
    const quint64 nextAt = entriesStart + directory.entryCount * format.entrySize();
    if (const uchar *next = file.bytesAt(nextAt, format.offsetSize()))
        directory.next = format.bigTiff ? format.order.u64(next) : format.order.u32(next);
    return directory;
}
