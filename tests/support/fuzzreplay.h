#pragma once

#include "support/fuzzseeds.h"

#include <cstddef>
#include <cstdint>

// Replays a fuzz target's inputs in the ordinary test build: its generated
// seeds, its corpus (fuzz/corpus/<target>/) and its regression cases
// (fuzz/regressions/<target>/). The target aborts on a broken property and
// the sanitizers abort on a memory or undefined-behaviour fault, so either
// fails the test.
namespace TestSupport {

using FuzzTarget = int (*)(const uint8_t *data, size_t size);

// QTest data rows "<target>/seed/<name>", "<target>/corpus/<name>" and
// "<target>/regression/<name>" holding `targetIndex` (an int column) and the
// input (a QByteArray column). `fuzzFolder` is the source's fuzz/.
void addFuzzInputRows(const QString &fuzzFolder, const QString &target,
                      const QList<FuzzSeed> &seeds, int targetIndex);

// Feeds `input` to `target` from a buffer of exactly its size, so a read
// past the end is caught.
int replayFuzzInput(FuzzTarget target, const QByteArray &input);

} // namespace TestSupport
