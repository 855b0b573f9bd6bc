#include "support/totalstree.h"

#include "support/tempfiles.h"
#include "support/tiffbytes.h"

#include <algorithm>

namespace TestSupport {

// The pages of a file of each kind: 200 dpi, but an unknown size has no
// resolution; an unknown mode is RGB of one sample.
const struct { PageSize size; CaptureMode mode; quint32 width, length, dpi; TiffCapture capture; } kKinds[] = {
        {PageSize::A4, CaptureMode::Color, 1654, 2339, 200, TiffCapture::Rgb},
        {PageSize::A3, CaptureMode::Grayscale, 2339, 3307, 200, TiffCapture::Gray8},
        {PageSize::Unknown, CaptureMode::Grayscale, 1654, 2339, 0, TiffCapture::Gray8},
        {PageSize::Letter, CaptureMode::BlackAndWhite, 1700, 2200, 200, TiffCapture::Bilevel},
        {PageSize::Other, CaptureMode::Unknown, 3200, 3200, 200, TiffCapture::RgbOneSample}};

QList<TreeFile> totalsTreeFiles()
{
    // Per folder, the pages of a file of each kind, then the unreadable files.
    const std::pair<QString, std::array<int, 6>> folders[] = {{"a", {9, 8, 3, 2, 7, 1}},
                                                              {"a/deep", {6, 8, 9, 7, 1, 3}},
                                                              {"old, scans", {4, 1, 8, 3, 5, 2}},
                                                              {"a/one", {2, 0, 0, 0, 0, 0}}};
    QList<TreeFile> files;
    for (const auto &[folder, counts] : folders) {
        for (int i = 0; i < 5; ++i)
            if (counts[i] > 0)
                files.append({folder, counts[i], kKinds[i].size, kKinds[i].mode});
        for (int i = 0; i < counts[5]; ++i)
            files.append({folder, -1, PageSize::Unknown, CaptureMode::Unknown});
    }
    return files;
}

qint64 a4PerPage(PageSize size)
{
    return size == PageSize::A3 ? 2 : size == PageSize::Other ? 3 : 1;
}

void writeTotalsTree(const QString &root)
{
    int index = 0;
    for (const TreeFile &file : totalsTreeFiles()) {
        const auto &kind = *std::find_if(std::begin(kKinds), std::end(kKinds), [&](const auto &k) {
            return file.pages < 0 || (k.size == file.size && k.mode == file.mode);
        });
        TiffBuilder tiff;
        for (int page = 0; page < file.pages; ++page)
            tiff.addPage(sizedPage(kind.width, kind.length, kind.dpi, kind.dpi, kind.capture));
        writeFile(QStringLiteral("%1/%2/f%3.tif").arg(root, file.folder).arg(++index),
                  file.pages < 0 ? QByteArray("not a tiff") : tiff.bytes());
    }
}

QList<qint64> TreeSums::counts() const
{
    const auto count = [](const auto &counts, auto key) { return counts.count(key) ? counts.at(key) : 0; };
    return {files, pages, unreadable, a4Equivalent, count(modes, CaptureMode::Color),
            count(modes, CaptureMode::Grayscale), count(modes, CaptureMode::BlackAndWhite),
            count(sizes, PageSize::Unknown)};
}

QString TreeSums::sizesText(const QString &itemSeparator, const QString &countSeparator) const
{
    const std::map<PageSize, QString> names{{PageSize::A4, "A4"}, {PageSize::A3, "A3"}, {PageSize::Letter, "Letter"},
                                            {PageSize::Other, "Other"}, {PageSize::Unknown, "Unknown size"}};
    std::vector<std::pair<qint64, QString>> present; // a folder's counts never tie
    for (const auto &[size, count] : sizes)
        present.emplace_back(count, names.at(size));
    std::sort(present.rbegin(), present.rend());
    QStringList items;
    for (const auto &[count, name] : present)
        items.append(name + countSeparator + QString::number(count));
    return items.join(itemSeparator);
}

QMap<QString, TreeSums> totalsTreeSums()
{
    QMap<QString, TreeSums> sums;
    for (const TreeFile &file : totalsTreeFiles()) {
        const qint64 pages = std::max(file.pages, 0);
        for (TreeSums *sum : {&sums[file.folder], &sums[QString()]}) {
            ++sum->files;
            sum->unreadable += file.pages < 0;
            sum->pages += pages;
            sum->a4Equivalent += pages * a4PerPage(file.size);
            sum->modes[file.mode] += pages;
            sum->sizes[file.size] += pages;
        }
    }
    return sums;
}

} // namespace TestSupport
