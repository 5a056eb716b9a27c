#include "system/WriteBatch.h"

#include <atomic>
#include <mutex>
#include <vector>

#include "system/StoreRegistry.h"

namespace corvane {

namespace {

std::atomic<int> g_depth{0};
std::atomic<unsigned> g_generation{1};

struct Stores {
  std::mutex mutex;
  std::vector<void (*)()> flushers;
};

Stores& AllStores() {
  static Stores stores;
  return stores;
}

}  // namespace

WriteBatch::WriteBatch() {
  if (g_depth.fetch_add(1) == 0) g_generation.fetch_add(1);
}

WriteBatch::~WriteBatch() {
  if (g_depth.fetch_sub(1) == 1) FlushAll();
}

bool WriteBatch::Active() { return g_depth.load() > 0; }

void WriteBatch::FlushAll() {
  std::vector<void (*)()> flushers;
  {
    Stores& stores = AllStores();
    std::lock_guard<std::mutex> lock(stores.mutex);
    flushers = stores.flushers;
  }
  for (auto flush : flushers) flush();
}

void RegisterBatchedStore(void (*flush)()) {
  Stores& stores = AllStores();
  std::lock_guard<std::mutex> lock(stores.mutex);
  for (auto existing : stores.flushers)
    if (existing == flush) return;
  stores.flushers.push_back(flush);
}

unsigned CurrentBatchGeneration() { return g_depth.load() > 0 ? g_generation.load() : 0; }

}  // namespace corvane
