#include "search/filecount.h"

#include "search/criteria.h"

#include <QDateTime>

FileCount countFile(FolderListing &listing, std::size_t index, const QByteArray &folder, const CacheUse &cache,
                    const CriteriaValues *rule, const QDate &today, const FileFacts *known)
{
    FileCount got;
    const QByteArray &name = listing.entries()[index].name;
    const bool trusted = cache.cache && cache.trust && cache.cache->knows(folder, name);
    const bool factsFirst = known || !rule || rule->dateOn() || rule->sizeOn() || trusted;
    if (factsFirst) {
        got.facts = known ? *known : cache.cache ? listing.freshFacts(index) : listing.facts(index);
        if (!got.facts || (!known && (!rule || !PassesDateAndSize(*got.facts, *rule, today))))
            return got;
        std::optional<PageCountResult> remembered;
        if (trusted && (remembered = cache.cache->lookup(folder, name, validatorsOf(*got.facts)))) {
            got.counted = got.fromCache = true;
            got.pages = std::move(*remembered);
            return got;
        }
    }
    const qint64 startNs = cache.clockNs ? cache.clockNs() : QDateTime::currentMSecsSinceEpoch() * 1'000'000;
    const FolderListing::OpenedFile opened = listing.openFile(index);
    if (!factsFirst) {
        got.facts = opened.source ? opened.facts : listing.facts(index);
        if (!got.facts)
            return got;
    }
    got.pages = PageCounter::count(opened.source.get(), opened.errorNumber);
    got.counted = true;
    if (cache.cache && opened.facts && rememberable(got.pages)
        && settledBefore(*opened.facts, startNs, listing.onNetworkFileSystem()))
        cache.cache->record(folder, name, validatorsOf(*opened.facts), got.pages);
    return got;
}
