#include "search/cachedcount.h"

#include <QDateTime>

bool settledBefore(const FileFacts &facts, qint64 startNs, bool network)
{
    const qint64 limit = startNs - (network ? kRacyMarginNetworkNs : kRacyMarginLocalNs);
    return facts.modifiedNs <= limit && facts.changedNs <= limit;
}

bool rememberable(const PageCountResult &result)
{
    switch (result.failure) {
    case PageCountFailure::Unknown:
    case PageCountFailure::CannotOpen:
    case PageCountFailure::CannotRead:
    case PageCountFailure::NotRegularFile:
    case PageCountFailure::ChangedWhileRead:
        return false;
    default:
        return true;
    }
}

CountValidators validatorsOf(const FileFacts &facts)
{
    return {facts.size, facts.modifiedNs, facts.changedNs, facts.inode};
}

PageCountResult countThroughCache(FolderListing &listing, std::size_t index, const QByteArray &folder,
                                  const FileFacts &before, const CacheUse &use, bool &fromCache)
{
    fromCache = false;
    const QByteArray &name = listing.entries()[index].name;
    const CountValidators validators = validatorsOf(before);
    if (use.trust) {
        if (std::optional<PageCountResult> remembered = use.cache->lookup(folder, name, validators)) {
            fromCache = true;
            return *remembered;
        }
    }
    const qint64 startNs = use.clockNs ? use.clockNs() : QDateTime::currentMSecsSinceEpoch() * 1'000'000;
    const FolderListing::OpenedFile opened = listing.openFile(index);
    const PageCountResult result = PageCounter::count(opened.source.get(), opened.errorNumber);
    // The name must still lead to the file that was read, unchanged: a
    // rename over it or a write during the count leaves other facts.
    if (!rememberable(result) || !opened.facts || validatorsOf(*opened.facts) != validators
        || !settledBefore(before, startNs, listing.onNetworkFileSystem()))
        return result;
    const std::optional<FileFacts> after = listing.freshFacts(index);
    if (after && validatorsOf(*after) == validators)
        use.cache->record(folder, name, validators, result);
    return result;
}
