#include "search/pagecountrecord.h"

#include <QByteArrayView>
#include <QList>

#include <climits>

namespace {

constexpr char kSeparator = ';';
constexpr int kFieldCount = 9; // version, pages, failure, errno, directory, reduced, masks, key, check

// FNV-1a over everything the entry stands for, folded to 32 bits: enough to
// tell a damaged entry, short enough for the 150 bytes a file may take.
quint32 checkValue(const QByteArray &name, const CountValidators &v, QByteArrayView payload)
{
    quint64 hash = 14695981039346656037ULL;
    const auto mix = [&hash](const char *data, qsizetype size) {
        for (qsizetype i = 0; i < size; ++i) {
            hash ^= uchar(data[i]);
            hash *= 1099511628211ULL;
        }
    };
    mix(name.constData(), name.size());
    const qint64 numbers[] = {v.size, v.modifiedNs, v.changedNs, qint64(v.inode)};
    mix(reinterpret_cast<const char *>(numbers), sizeof numbers);
    mix(payload.constData(), payload.size());
    return quint32(hash ^ (hash >> 32));
}

} // namespace

QByteArray PageCountRecord::encode(const QByteArray &name, const CountValidators &validators,
                                   const PageCountResult &result, int version)
{
    const QList<qint64> numbers = {version, result.pages, qint64(result.failure),
                                   result.errorNumber, result.directory, result.reducedImages, result.masks};
    QByteArray payload;
    for (qint64 number : numbers)
        payload += QByteArray::number(number) + kSeparator;
    payload += result.breakdown.key().toLatin1() + kSeparator;
    return payload + QByteArray::number(checkValue(name, validators, payload), 16);
}

// Read in place: a second run decodes one record per listed file.
std::optional<PageCountResult> PageCountRecord::decode(const QByteArray &name, const CountValidators &validators,
                                                       const QByteArray &bytes)
{
    const qsizetype checkAt = bytes.lastIndexOf(kSeparator) + 1;
    bool ok = false;
    const QByteArrayView view(bytes);
    const quint32 check = checkAt == 0 ? 0 : view.sliced(checkAt).toUInt(&ok, 16);
    if (!ok || check != checkValue(name, validators, view.first(checkAt)))
        return std::nullopt;
    qint64 numbers[kFieldCount - 2];
    qsizetype at = 0;
    for (qint64 &number : numbers) {
        const qsizetype end = bytes.indexOf(kSeparator, at);
        if (end < 0 || end >= checkAt)
            return std::nullopt;
        number = view.sliced(at, end - at).toLongLong(&ok);
        if (!ok)
            return std::nullopt;
        at = end + 1;
    }
    if (bytes.indexOf(kSeparator, at) != checkAt - 1 || numbers[0] != PageCounter::kVersion || numbers[1] < -1
        || numbers[1] > INT_MAX || numbers[2] < 0 || numbers[2] > qint64(PageCountFailure::ChangedWhileRead)
        || numbers[3] < INT_MIN || numbers[3] > INT_MAX)
        return std::nullopt;
    PageCountResult result;
    result.pages = int(numbers[1]);
    result.failure = PageCountFailure(numbers[2]);
    result.errorNumber = int(numbers[3]);
    result.directory = numbers[4];
    result.reducedImages = numbers[5];
    result.masks = numbers[6];
    result.breakdown = PageBreakdown::fromKey(QString::fromLatin1(view.sliced(at, checkAt - 1 - at)));
    return result;
}
