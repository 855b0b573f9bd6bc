#pragma once

#include "search/criteria.h"
#include "search/folderlister.h"
#include "search/searchinterfaces.h"
#include "support/tiffbytes.h"

#include <QColor>
#include <QHash>
#include <QImage>
#include <QList>
#include <QMap>

#include <cerrno>
#include <functional>
#include <mutex>

// Fakes for the ports of a search run: criteria controls as plain fields,
// a recording result table, status bar and icon source, and a folder lister
// over an in-memory tree with a fixed listing order.
namespace TestSupport {

// A lister the test keeps, lent to a run whose requests all end before it
// goes (a run without I/O threads, or one the test waits out).
inline std::shared_ptr<FolderLister> lent(FolderLister &lister)
{
    return std::shared_ptr<FolderLister>(std::shared_ptr<FolderLister>(), &lister);
}

// The criteria controls as plain fields.
using FakeCriteria = CriteriaValues;

struct RecordingResults : SearchResultsTarget
{
    QList<QStringList> rows;
    QList<QImage> icons;
    int clears = 0;
    int calls = 0;

    void clearToHeaderRow() override
    {
        ++calls;
        ++clears;
        rows.clear();
        icons.clear();
    }
    void appendRow(const QStringList &cells, const QVariant &icon) override
    {
        ++calls;
        rows.append(cells);
        icons.append(icon.value<QImage>());
    }
    QStringList column(int cell) const
    {
        QStringList texts;
        for (const QStringList &row : rows)
            texts.append(row.value(cell));
        return texts;
    }
};

struct RecordingStatus : SearchStatusSink
{
    QMap<QString, QString> panels;
    QStringList messages; // every text put into the "Message" panel
    QString pageTotal;
    int calls = 0;

    void SetStatusText(const QString &text, const QString &key) override
    {
        ++calls;
        panels[key] = text;
        if (key == StatusPanel::Message)
            messages.append(text);
    }
    void setPageTotalText(const QString &text) override
    {
        ++calls;
        pageTotal = text;
    }
};

// Each computed icon is a distinct picture, so a test can tell a reused one.
struct CountingIcons : FileIconSource
{
    QStringList computedFor;

    QVariant iconFor(const QString &fullPath) override
    {
        computedFor.append(fullPath);
        QImage image(16, 16, QImage::Format_ARGB32);
        image.fill(QColor::fromHsv((computedFor.size() * 37) % 360, 255, 255));
        return image;
    }
};

// A file of `pages` pages, or bytes of no TIFF for a negative count.
inline QByteArray tiffOfPages(int pages)
{
    if (pages < 0)
        return QByteArrayLiteral("no TIFF");
    TiffBuilder tiff;
    tiff.addPages(pages);
    return tiff.bytes();
}

// One fake file: its facts, or none to play a file that vanished, and the
// bytes its count reads.
struct FakeFile
{
    QByteArray name;
    std::optional<FileFacts> facts;
    FolderEntry::Kind kind = FolderEntry::Kind::File;
    QByteArray contents = tiffOfPages(1);
};

// A listing passed through to another; a test overrides what it plays.
struct ForwardingListing : FolderListing
{
    explicit ForwardingListing(std::unique_ptr<FolderListing> inner) : inner(std::move(inner)) {}
    const std::vector<FolderEntry> &entries() const override { return inner->entries(); }
    std::optional<FileFacts> facts(std::size_t index) override { return inner->facts(index); }
    std::optional<FileFacts> freshFacts(std::size_t index) override { return inner->freshFacts(index); }
    bool onNetworkFileSystem() const override { return inner->onNetworkFileSystem(); }
    void release() override { inner->release(); }
    OpenedFile openFile(std::size_t index) override { return inner->openFile(index); }

    std::unique_ptr<FolderListing> inner;
};

// Folders by path; entries in the order given. A path missing from the map
// cannot be opened.
class FakeLister : public FolderLister
{
public:
    QHash<QString, QList<FakeFile>> folders;
    QStringList opened;

    std::unique_ptr<FolderListing> open(const QString &path, LinkRule) override
    {
        {
            std::lock_guard lock(m_openedMutex); // requests may come from many threads
            opened.append(path);
        }
        if (!folders.contains(path))
            return nullptr;
        return std::make_unique<Listing>(folders.value(path));
    }

private:
    std::mutex m_openedMutex;
    class Listing : public FolderListing
    {
    public:
        explicit Listing(const QList<FakeFile> &files) : m_files(files)
        {
            for (const FakeFile &file : files)
                m_entries.push_back({file.name, file.kind});
        }
        const std::vector<FolderEntry> &entries() const override { return m_entries; }
        std::optional<FileFacts> facts(std::size_t index) override
        {
            return m_files.value(qsizetype(index)).facts;
        }
        void release() override {}
        OpenedFile openFile(std::size_t index) override
        {
            const FakeFile &file = m_files.at(qsizetype(index));
            if (!file.facts)
                return {nullptr, std::nullopt, ENOENT};
            return {std::make_unique<MemoryByteSource>(file.contents), file.facts, 0};
        }

    private:
        QList<FakeFile> m_files;
        std::vector<FolderEntry> m_entries;
    };
};

} // namespace TestSupport
