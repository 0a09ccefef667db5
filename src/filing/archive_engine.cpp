#include "filing/archive_engine.h"

#include "filing/archive_destination.h"
#include "filing/archive_move.h"
#include "filing/archive_records.h"
#include "filing/touched_sets.h"
#include "filing/url_parts.h"

namespace ovelin {
namespace {

// Whether the chain of extended store paths from `set` ends in a named folder. A
// chain that ends in an empty folder, a missing set or a loop names no folder; the
// resolved path would then be a bare "/Set/Sub" at the top of the file system.
bool HasStoreFolder(const CFileSetStore& store, const std::string& set) {
  NameList passed;
  std::string current = set;
  while (true) {
    const StorePath path = store.GetStorePath(current);
    if (!path.found || !InsertName(passed, current)) return false;
    if (path.kind == StorePathKind::UsrDef) return !path.text.empty();
    current = path.text;
  }
}

// The store folder of the destination set; empty when it has none.
std::string DestinationRoot(const CFileSetStore& store, const std::string& pigPathSet) {
  if (pigPathSet.empty() || !HasStoreFolder(store, pigPathSet)) return {};
  return store.GetEffectiveStorePath(pigPathSet);
}

}  // namespace

ArchiveResult Archive(CFileSetStore& store, const PigeonholeBatch& batch, IFilingProgress* progress,
                      const FilingEnvironment& environment) {
  ArchiveResult result;
  if (progress && !batch.empty()) progress->Start(batch.size());
  TouchedSets touched;

  for (const ITEM_PIGEONHOLE_STRUCT& request : batch) {
    if (progress) progress->Item(request);
    ArchivedItem done{request.Url, request.Url, {}, false};
    if (const auto source = LocalPathOfUrl(request.Url)) {
      const std::string destination =
          ArchiveDestination(*source, request.BasePath, DestinationRoot(store, request.PigPathSet));
      const MoveIntoStoreResult moved = MoveIntoStore(*source, destination, request.Url, progress, environment);
      if (moved.aborted) {
        result.aborted = true;
        break;
      }
      done.newUrl = MakeFileUrl(moved.finalPath);
      done.moveFailed = moved.failed;
    }
    done.sets = RecordArchivedItem(store, touched, request, done.newUrl);
    result.items.push_back(std::move(done));
  }

  touched.WriteAll(store);
  if (progress) progress->Finish();
  result.saved = store.Save();
  return result;
}

}  // namespace ovelin
