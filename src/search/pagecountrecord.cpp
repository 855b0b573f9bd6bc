#include "search/pagecountrecord.h"

#include <QList>

#include <climits>

namespace {

constexpr char kSeparator = ';';
constexpr int kFieldCount = 9; // version, pages, failure, errno, directory, reduced, masks, key, check

// FNV-1a over everything the entry stands for, folded to 32 bits: enough to
// tell a damaged entry, short enough for the 150 bytes a file may take.
quint32 checkValue(const QByteArray &name, const CountValidators &v, const QByteArray &payload)
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
                                   const PageCountResult &result)
{
    const QList<qint64> numbers = {PageCounter::kVersion, result.pages, qint64(result.failure),
                                   result.errorNumber, result.directory, result.reducedImages, result.masks};
    QByteArray payload;
    for (qint64 number : numbers)
        payload += QByteArray::number(number) + kSeparator;
    payload += result.breakdown.key().toLatin1() + kSeparator;
    return payload + QByteArray::number(checkValue(name, validators, payload), 16);
}

std::optional<PageCountResult> PageCountRecord::decode(const QByteArray &name, const CountValidators &validators,
                                                       const QByteArray &bytes)
{
    const QList<QByteArray> fields = bytes.split(kSeparator);
    if (fields.size() != kFieldCount)
        return std::nullopt;
    const QByteArray payload = bytes.left(bytes.size() - fields.last().size());
    bool ok = false;
    if (fields.last().toUInt(&ok, 16) != checkValue(name, validators, payload) || !ok)
        return std::nullopt;
    qint64 numbers[7];
    for (int i = 0; i < 7; ++i) {
        numbers[i] = fields[i].toLongLong(&ok);
        if (!ok)
            return std::nullopt;
    }
    if (numbers[0] != PageCounter::kVersion || numbers[1] < -1 || numbers[1] > INT_MAX || numbers[2] < 0
        || numbers[2] > qint64(PageCountFailure::ChangedWhileRead))
        return std::nullopt;
    PageCountResult result;
    result.pages = int(numbers[1]);
    result.failure = PageCountFailure(numbers[2]);
    result.errorNumber = int(numbers[3]);
    result.directory = numbers[4];
    result.reducedImages = numbers[5];
    result.masks = numbers[6];
    result.breakdown = PageBreakdown::fromKey(QString::fromLatin1(fields[7]));
    return result;
}
