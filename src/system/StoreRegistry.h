// How the file-backed stores (profile files, the registry file) take part in
// write batches.
#pragma once

namespace corvane {

// A store registers the function that writes out its pending changes; the
// outermost WriteBatch calls every registered function when it ends.
void RegisterBatchedStore(void (*flush)());

// While a batch is open: a number that identifies it (a store checks a file on
// disk at most once per batch).  Outside a batch: 0.
unsigned CurrentBatchGeneration();

}  // namespace corvane
