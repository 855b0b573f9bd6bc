#include "search/cachedcount.h"

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
