#include "filing/archive_engine.h"

#include "filing/archive_destination.h"
#include "filing/archive_move.h"
#include "filing/archive_records.h"
#include "filing/touched_sets.h"
#include "filing/url_parts.h"

namespace ovelin {
namespace {

// The result of an item that has not moved (yet).
ArchivedItem NotMoved(const ITEM_PIGEONHOLE_STRUCT& request, const PlannedRecord& plan) {
  ArchivedItem done;
  done.name = plan.item.GetName();
  done.oldUrl = request.Url;
  done.newUrl = request.Url;
  done.sets = plan.item.GetOwningSets();
  return done;
}

ArchivedItem Unplaced(const ITEM_PIGEONHOLE_STRUCT& request, PlannedRecord plan) {
  ArchivedItem done = NotMoved(request, plan);
  done.status = ArchiveStatus::Unplaced;
  done.reason = PlacementFailureText(plan.failures);
  done.failures = std::move(plan.failures);
  return done;
}

// Moves a "file" URL item into its store path and notes where it went; false
// when the user chose Abort.
bool MoveFile(const CFileSetStore& store, const ITEM_PIGEONHOLE_STRUCT& request, IFilingProgress* progress,
              const FilingEnvironment& environment, ArchivedItem& done) {
  const auto source = LocalPathOfUrl(request.Url);
  if (!source) return true;
  const std::string destination =
      ArchiveDestination(*source, request.BasePath, ArchiveDestinationRoot(store, request.PigPathSet));
  const MoveIntoStoreResult moved = MoveIntoStore(*source, destination, request.Url, progress, environment);
  if (moved.aborted) return false;
  done.newUrl = MakeFileUrl(moved.finalPath);
  if (moved.failed) {
    done.status = ArchiveStatus::Failed;
    done.reason = kMoveFailedMessage + request.Url;
  } else if (moved.finalPath != *source) {
    done.status = ArchiveStatus::Moved;
  }
  return true;
}

}  // namespace

ArchiveResult Archive(CFileSetStore& store, const PigeonholeBatch& batch, IFilingProgress* progress,
                      const FilingEnvironment& environment) {
  ArchiveResult result;
  if (progress && !batch.empty()) progress->Start(batch.size());
  TouchedSets touched;

  for (const ITEM_PIGEONHOLE_STRUCT& request : batch) {
    if (progress) progress->Item(request);
    PlannedRecord plan = PlanRecord(store, request);
    if (!plan.placed()) {
      result.items.push_back(Unplaced(request, std::move(plan)));
      continue;
    }
    ArchivedItem done = NotMoved(request, plan);
    if (!MoveFile(store, request, progress, environment, done)) {
      result.aborted = true;
      break;
    }
    RecordArchivedItem(store, touched, request.Url, std::move(plan.item), done.newUrl);
    result.items.push_back(std::move(done));
  }

  touched.WriteAll(store);
  if (progress) progress->Finish();
  result.saved = store.Save();
  return result;
}

}  // namespace ovelin
