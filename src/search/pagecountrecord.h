#pragma once

#include "search/pagecountcache.h"

#include <QByteArray>

#include <optional>

// A count as the page-count cache stores it: the counter's version, the
// pages or the failure with its details, the page-worth key, and a check
// value over all of that with the file's name and validators, so a damaged
// entry is never taken for a count.
namespace PageCountRecord {

// `version` is this counter's, but where a test writes what another
// version of the program would.
QByteArray encode(const QByteArray &name, const CountValidators &validators, const PageCountResult &result,
                  int version = PageCounter::kVersion);
// Nothing when `bytes` is damaged, from another counter version, or was
// written for another name or other validators.
std::optional<PageCountResult> decode(const QByteArray &name, const CountValidators &validators,
                                      const QByteArray &bytes);

} // namespace PageCountRecord
