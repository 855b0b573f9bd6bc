#include "results/foldertotalcolumns.h"

#include "results/pagebreakdownwords.h"

#include <QCoreApplication>

#include <array>

namespace {

using Key = FolderTotalKey;
using Total = const FolderTotal &;

QString location(Total total, TextFor)
{
    return total.location;
}

QString sizes(Total total, TextFor form)
{
    return sizesText(total.worth, form);
}

constexpr const char *kColumnsContext = "FolderTotalColumns";

// key, caption, narrow caption, field, totals line; the value. The caption and
// the totals line are translated where they are shown; the narrow caption and
// the field head brimfold-count's columns and stay as they are.
constexpr std::array<FolderTotalColumn, int(Key::Sizes) + 1> kColumns{{
        {Key::Location, QT_TRANSLATE_NOOP("FolderTotalColumns", "Location"), "Folder", "folder", nullptr, nullptr,
         location},
        {Key::Files, QT_TRANSLATE_NOOP("FolderTotalColumns", "Files"), "Files", "files",
         QT_TRANSLATE_NOOP("FolderTotalColumns", "Files"), [](Total t) { return t.files; }, nullptr},
        {Key::Pages, QT_TRANSLATE_NOOP("FolderTotalColumns", "Pages"), "Pages", "pages",
         QT_TRANSLATE_NOOP("FolderTotalColumns", "Pages"), [](Total t) { return t.pages; }, nullptr},
        {Key::Unreadable, QT_TRANSLATE_NOOP("FolderTotalColumns", "Unreadable"), "Unreadable", "unreadable",
         QT_TRANSLATE_NOOP("FolderTotalColumns", "Unreadable files"), [](Total t) { return t.unreadable; }, nullptr},
        {Key::A4Equivalent, QT_TRANSLATE_NOOP("FolderTotalColumns", "A4-equivalent"), "A4-eq", "a4_equivalent",
         QT_TRANSLATE_NOOP("FolderTotalColumns", "A4-equivalent pages"), [](Total t) { return t.worth.a4Equivalent; },
         nullptr},
        {Key::Color, QT_TRANSLATE_NOOP("FolderTotalColumns", "Color"), "Color", "color",
         QT_TRANSLATE_NOOP("FolderTotalColumns", "Color pages"),
         [](Total t) { return t.worth.count(CaptureMode::Color); }, nullptr},
        {Key::Grayscale, QT_TRANSLATE_NOOP("FolderTotalColumns", "Grayscale"), "Grayscale", "grayscale",
         QT_TRANSLATE_NOOP("FolderTotalColumns", "Grayscale pages"),
         [](Total t) { return t.worth.count(CaptureMode::Grayscale); }, nullptr},
        {Key::BlackAndWhite, QT_TRANSLATE_NOOP("FolderTotalColumns", "Black and white"), "Black and white",
         "black_and_white", QT_TRANSLATE_NOOP("FolderTotalColumns", "Black-and-white pages"),
         [](Total t) { return t.worth.count(CaptureMode::BlackAndWhite); }, nullptr},
        {Key::UnknownMode, QT_TRANSLATE_NOOP("FolderTotalColumns", "Unknown mode"), "Unknown mode", "unknown_mode",
         QT_TRANSLATE_NOOP("FolderTotalColumns", "Pages of unknown mode"),
         [](Total t) { return t.worth.count(CaptureMode::Unknown); }, nullptr},
        {Key::UnknownSize, QT_TRANSLATE_NOOP("FolderTotalColumns", "Unknown size"), "Unknown size", "unknown_size",
         QT_TRANSLATE_NOOP("FolderTotalColumns", "Pages of unknown size"),
         [](Total t) { return t.worth.count(PageSize::Unknown); }, nullptr},
        {Key::Sizes, QT_TRANSLATE_NOOP("FolderTotalColumns", "Sizes"), "Sizes", "sizes", nullptr, nullptr, sizes},
}};

constexpr bool inKeyOrder()
{
    for (size_t i = 0; i < kColumns.size(); ++i)
        if (kColumns[i].key != Key(i) || (kColumns[i].count == nullptr) == (kColumns[i].text == nullptr))
            return false;
    return true;
}
static_assert(inKeyOrder(), "one entry per key, in the key's order, with one way to read its value");

} // namespace

const FolderTotalColumn &folderTotalColumn(FolderTotalKey key)
{
    return kColumns[size_t(key)];
}

QStringList folderTotalCaptions(std::span<const FolderTotalKey> columns)
{
    QStringList captions;
    for (FolderTotalKey key : columns)
        captions.append(QCoreApplication::translate(kColumnsContext, folderTotalColumn(key).caption));
    return captions;
}

QString folderTotalLineLabel(FolderTotalKey key)
{
    return QCoreApplication::translate(kColumnsContext, folderTotalColumn(key).lineLabel);
}

QStringList folderTotalTexts(const FolderTotal &total, std::span<const FolderTotalKey> columns, TextFor form,
                             const QLocale &numbers)
{
    QStringList texts;
    for (FolderTotalKey key : columns) {
        const FolderTotalColumn &column = folderTotalColumn(key);
        texts.append(column.isNumber() ? numbers.toString(column.count(total)) : column.text(total, form));
    }
    return texts;
}
