#include "bench/bench_context.h"

#include <cstdlib>
#include <filesystem>

#include "bench/floor_operations.h"

namespace ovelin {

ScratchFolder::ScratchFolder() {
  const char* base = std::getenv("TMPDIR");
  std::string pattern = std::string(base && *base ? base : "/tmp") + "/ovelin-bench-XXXXXX";
  if (::mkdtemp(pattern.data())) path_ = pattern;
}

ScratchFolder::~ScratchFolder() {
  if (path_.empty()) return;
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

CFileSetStore* BenchContext::LoadedStore() {
  if (store) return store.get();
  auto loaded = std::make_unique<CFileSetStore>();
  if (!loaded->Load(dataFile)) return nullptr;
  store = std::move(loaded);
  return store.get();
}

const pugi::xml_document* BenchContext::FloorDocument() {
  if (floorDocument_) return floorDocument_.get();
  auto doc = std::make_unique<pugi::xml_document>();
  if (!FloorLoad(dataFile, keyMaterial, *doc)) return nullptr;
  floorDocument_ = std::move(doc);
  return floorDocument_.get();
}

}  // namespace ovelin
