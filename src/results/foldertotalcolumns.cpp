#include "results/foldertotalcolumns.h"

#include "results/pagebreakdownwords.h"

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
    return form == TextFor::People ? sizesText(total.worth, u", ", u" ") : sizesText(total.worth, u";", u"=");
}

// key, caption, narrow caption, field, totals line; the value.
constexpr std::array<FolderTotalColumn, int(Key::Sizes) + 1> kColumns{{
        {Key::Location, "Location", "Folder", "folder", nullptr, nullptr, location},
        {Key::Files, "Files", "Files", "files", "Files", [](Total t) { return t.files; }, nullptr},
        {Key::Pages, "Pages", "Pages", "pages", "Pages", [](Total t) { return t.pages; }, nullptr},
        {Key::Unreadable, "Unreadable", "Unreadable", "unreadable", "Unreadable files",
         [](Total t) { return t.unreadable; }, nullptr},
        {Key::A4Equivalent, "A4-equivalent", "A4-eq", "a4_equivalent", "A4-equivalent pages",
         [](Total t) { return t.worth.a4Equivalent; }, nullptr},
        {Key::Color, "Color", "Color", "color", "Color pages",
         [](Total t) { return t.worth.count(CaptureMode::Color); }, nullptr},
        {Key::Grayscale, "Grayscale", "Grayscale", "grayscale", "Grayscale pages",
         [](Total t) { return t.worth.count(CaptureMode::Grayscale); }, nullptr},
        {Key::BlackAndWhite, "Black and white", "Black and white", "black_and_white",
         "Black-and-white pages", [](Total t) { return t.worth.count(CaptureMode::BlackAndWhite); }, nullptr},
        {Key::UnknownMode, "Unknown mode", "Unknown mode", "unknown_mode", "Pages of unknown mode",
         [](Total t) { return t.worth.count(CaptureMode::Unknown); }, nullptr},
        {Key::UnknownSize, "Unknown size", "Unknown size", "unknown_size", "Pages of unknown size",
         [](Total t) { return t.worth.count(PageSize::Unknown); }, nullptr},
        {Key::Sizes, "Sizes", "Sizes", "sizes", nullptr, nullptr, sizes},
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
        captions.append(folderTotalColumn(key).caption);
    return captions;
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
