#include "search/pagesize.h"

#include "results/pageclasses.h"

#include <cmath>

namespace {

constexpr double kA4AreaMm2 = 210.0 * 297.0;
constexpr double kMmPerInch = 25.4;
constexpr double kCmPerInch = 2.54;
constexpr double kMinPixelsPerInch = 20;
constexpr double kMaxPixelsPerInch = 20000;
constexpr double kMaxSideMm = 65000; // fits the tooltip's 16-bit millimetres
constexpr quint64 kFaxWidthPixels = 1728;

enum Photometric : int {
    WhiteIsZero = 0, BlackIsZero = 1, Rgb = 2, Palette = 3, TransparencyMask = 4, Separated = 5,
    YCbCr = 6, CieLab = 8, IccLab = 9, ItuLab = 10, Cfa = 32803, LogL = 32844, LogLuv = 32845,
    LinearRaw = 34892
};

// ISO 216's tolerance: 2 mm on a side up to 600 mm, 3 mm above, to a tenth
// of a millimetre (2 mm at 300 dpi is 23.6 pixels: a scan of 24 more is in).
bool within(double measured, double nominal)
{
    return std::abs(measured - nominal) < (nominal > 600 ? 3.05 : 2.05);
}

qint64 a4EquivalentOf(double areaMm2)
{
    return areaMm2 <= kA4AreaMm2 ? 1 : qint64(std::ceil(areaMm2 / kA4AreaMm2 - 0.05));
}

// Pixels per inch of a resolution value, or the reason there is none.
PageFault pixelsPerInch(const TiffValue &value, quint64 unit, double *ppi)
{
    switch (value.state) {
    case TiffValue::Missing: return PageFault::NoResolution;
    case TiffValue::Outside: return PageFault::ValueOutside;
    case TiffValue::NotRead:
    case TiffValue::Pending: return PageFault::ValueNotRead;
    case TiffValue::Malformed: return PageFault::BadResolution;
    case TiffValue::Read: break;
    }
    if (value.first == 0 || value.second == 0)
        return PageFault::BadResolution;
    if (unit == 1)
        return PageFault::NoAbsoluteUnit;
    if (unit != 2 && unit != 3)
        return PageFault::UnknownUnit;
    *ppi = double(value.first) / double(value.second) * (unit == 3 ? kCmPerInch : 1);
    return *ppi < kMinPixelsPerInch || *ppi > kMaxPixelsPerInch ? PageFault::ImplausibleResolution
                                                                : PageFault::None;
}

bool isFax(quint64 widthPixels, double xPpi, double yPpi)
{
    return widthPixels == kFaxWidthPixels && xPpi >= 195 && xPpi <= 210
            && (std::abs(yPpi - 98) <= 1 || std::abs(yPpi - 196) <= 1);
}

void classifySize(const TiffPageTags &tags, PageFacts &page)
{
    if (tags.width == 0 || tags.length == 0) {
        page.sizeFault = PageFault::NoPixelSize;
        return;
    }
    double xPpi = 0, yPpi = 0;
    page.sizeFault = pixelsPerInch(tags.xResolution, tags.resolutionUnit, &xPpi);
    if (page.sizeFault == PageFault::None)
        page.sizeFault = pixelsPerInch(tags.yResolution, tags.resolutionUnit, &yPpi);
    if (page.sizeFault != PageFault::None)
        return;
    const double widthMm = double(tags.width) / xPpi * kMmPerInch;
    const double heightMm = double(tags.length) / yPpi * kMmPerInch;
    if (widthMm > kMaxSideMm || heightMm > kMaxSideMm) {
        page.sizeFault = PageFault::TooLarge;
        return;
    }
    page.landscape = widthMm > heightMm;
    const double shortMm = page.landscape ? heightMm : widthMm;
    const double longMm = page.landscape ? widthMm : heightMm;
    double best = -1;
    // Nominal sizes are portrait; a page matches either way round.
    for (const PageSizeClass &nominal : kPageSizeClasses) {
        if (nominal.shortMm <= 0)
            continue;
        const double distance = std::abs(shortMm - nominal.shortMm) + std::abs(longMm - nominal.longMm);
        if (within(shortMm, nominal.shortMm) && within(longMm, nominal.longMm) && (best < 0 || distance < best)) {
            best = distance;
            page.size = nominal.size;
            page.a4Equivalent = a4EquivalentOf(nominal.shortMm * nominal.longMm);
        }
    }
    if (best >= 0)
        return;
    page.size = isFax(tags.width, xPpi, yPpi) ? PageSize::Fax : PageSize::Other;
    page.landscape = false; // the tooltip gives width × height as measured
    page.widthMm = quint16(std::lround(widthMm));
    page.heightMm = quint16(std::lround(heightMm));
    page.a4Equivalent = a4EquivalentOf(widthMm * heightMm);
}

// The mode, or Unknown when the samples cannot hold what the photometric
// interpretation says.
CaptureMode captureMode(const TiffPageTags &tags, PageFault *fault)
{
    const quint64 samples = tags.samplesPerPixel;
    *fault = PageFault::Contradictory;
    switch (tags.photometric) {
    case -1: *fault = PageFault::NoPhotometric; return CaptureMode::Unknown;
    case WhiteIsZero:
    case BlackIsZero:
    case TransparencyMask:
    case LogL: break;
    case Palette: return samples == 1 ? CaptureMode::Color : CaptureMode::Unknown;
    case Separated:
    case Cfa: return samples >= 1 ? CaptureMode::Color : CaptureMode::Unknown;
    case Rgb:
    case YCbCr:
    case CieLab:
    case IccLab:
    case ItuLab:
    case LogLuv:
    case LinearRaw: return samples >= 3 ? CaptureMode::Color : CaptureMode::Unknown;
    default: return CaptureMode::Unknown;
    }
    if (tags.photometric == LogL)
        return samples >= 1 ? CaptureMode::Grayscale : CaptureMode::Unknown;
    const TiffValue &bits = tags.bitsPerSample;
    if (bits.state != TiffValue::Read) {
        *fault = bits.state == TiffValue::Outside ? PageFault::ValueOutside
                : bits.state == TiffValue::Malformed ? PageFault::Contradictory : PageFault::ValueNotRead;
        return CaptureMode::Unknown;
    }
    if (samples == 1 && bits.first == 1)
        return CaptureMode::BlackAndWhite;
    if (samples >= 1 && bits.first > 1 && tags.photometric != TransparencyMask)
        return CaptureMode::Grayscale;
    return CaptureMode::Unknown;
}

} // namespace

PageFacts classifyPage(const TiffPageTags &tags)
{
    PageFacts page;
    classifySize(tags, page);
    PageFault modeFault = PageFault::None;
    page.mode = captureMode(tags, &modeFault);
    if (page.mode == CaptureMode::Unknown)
        page.modeFault = modeFault;
    return page;
}

bool modeNeedsBits(int photometric)
{
    return photometric == WhiteIsZero || photometric == BlackIsZero || photometric == TransparencyMask;
}
