#include "search/filecount.h"

#include "search/criteria.h"

#include <QDateTime>

FileCount countFile(FolderListing &listing, std::size_t index, const QByteArray &folder, const CacheUse &pageCounts,
                    const CriteriaValues *rule, const QDate &today, const FileFacts *known)
{
    FileCount got;
    const QByteArray &name = listing.entries()[index].name;
    const bool trusted = pageCounts.cache && pageCounts.trust && pageCounts.cache->knows(folder, name);
    const bool factsFirst = known || !rule || rule->dateOn() || rule->sizeOn() || trusted;
    if (factsFirst) {
        got.facts = known ? *known : pageCounts.cache ? listing.freshFacts(index) : listing.facts(index);
        if (!got.facts || (!known && (!rule || !PassesDateAndSize(*got.facts, *rule, today))))
            return got;
        std::optional<PageCountResult> remembered;
        if (trusted && (remembered = pageCounts.cache->lookup(folder, name, validatorsOf(*got.facts)))) {
            got.counted = got.fromCache = true;
            got.pages = std::move(*remembered);
            return got;
        }
    }
    const qint64 startNs =
            pageCounts.clockNs ? pageCounts.clockNs() : QDateTime::currentMSecsSinceEpoch() * 1'000'000;
    const FolderListing::OpenedFile opened = listing.openFile(index);
    if (!factsFirst) {
        got.facts = opened.source ? opened.facts : listing.facts(index);
        if (!got.facts)
            return got;
    }
    got.pages = PageCounter::count(opened.source.get(), opened.errorNumber);
    got.counted = true;
    if (pageCounts.cache && opened.facts && rememberable(got.pages)
        && settledBefore(*opened.facts, startNs, listing.onNetworkFileSystem()))
        pageCounts.cache->record(folder, name, validatorsOf(*opened.facts), got.pages);
    return got;
}
