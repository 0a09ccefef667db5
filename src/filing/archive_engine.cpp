#include "filing/archive_engine.h"

#include "base/messages.h"
#include "base/unique_fd.h"
#include "filing/archive_destination.h"
#include "filing/archive_journal.h"
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

std::vector<PlannedRecord> PlanRecords(const CFileSetStore& store, const PigeonholeBatch& batch) {
  std::vector<PlannedRecord> plans;
  plans.reserve(batch.size());
  for (const ITEM_PIGEONHOLE_STRUCT& request : batch) plans.push_back(PlanRecord(store, request));
  return plans;
}

// The moves the batch will make, in batch order: those of the placed "file" URL
// items whose destination is not where they are.
std::vector<JournalMove> PlanMoves(const CFileSetStore& store, const PigeonholeBatch& batch,
                                   const std::vector<PlannedRecord>& plans) {
  std::vector<JournalMove> moves;
  for (size_t i = 0; i < batch.size(); ++i) {
    const auto source = LocalPathOfUrl(batch[i].Url);
    if (!plans[i].Placed() || !source) continue;
    std::string destination =
        ArchiveDestination(*source, batch[i].BasePath, ArchiveDestinationRoot(store, batch[i].PigPathSet));
    if (destination == *source) continue;
    // A vanished file has no identity; its move fails and is reported as such.
    moves.push_back({i, *source, std::move(destination), IdentityOf(*source).value_or(FileIdentity{})});
  }
  return moves;
}

// The folder of the store's data file; empty when it has none.
std::string DataFolder(const CFileSetStore& store) {
  const std::string& dataFile = store.GetDataFilePath();
  return dataFile.empty() ? std::string() : FolderOf(dataFile);
}

// Writes the journal before anything moves. When it cannot be written the
// question is asked once: Retry writes again, Abort stops the batch, Ignore
// (and no progress object) runs it without moving any file.
void BeginJournal(ArchiveJournal& journal, const std::string& folder, const std::vector<JournalMove>& moves,
                  IFilingProgress* progress, bool& aborted) {
  while (!journal.Begin(folder, moves)) {
    const std::string message = MessageText(MessageId::JournalFailed, {folder});
    const ErrorChoice choice = progress ? progress->Error(message) : ErrorChoice::Ignore;
    aborted = choice == ErrorChoice::Abort;
    if (choice != ErrorChoice::Retry) return;
  }
}

// Moves an item's file as planned and notes where it went; false when the user
// chose Abort. Without a journal file the file stays, and the item says why; a
// dry run has none.
bool MoveFile(const JournalMove& move, ArchiveJournal& journal, IFilingProgress* progress,
              const FilingEnvironment& environment, ArchivedItem& done) {
  if (journal.Path().empty() && !environment.dryRun) {
    done.status = ArchiveStatus::Failed;
    done.reason = MessageText(MessageId::JournalFailed, {journal.Folder()});
    return true;
  }
  const MoveIntoStoreResult moved = MoveIntoStore(move.from, move.to, done.oldUrl, progress, environment);
  if (moved.aborted) return false;
  done.newUrl = MakeFileUrl(moved.finalPath);
  if (moved.failed) {
    done.status = ArchiveStatus::Failed;
    done.reason = MessageText(MessageId::MoveFailed, {done.oldUrl});
  } else if (moved.finalPath != move.from) {
    done.status = ArchiveStatus::Moved;
    journal.Landed(move.index, moved.finalPath);
  }
  return true;
}

// A file that cannot move because its store path cannot be reached stays where it
// is and is recorded there, and the user hears why, as after a failed move: Retry
// asks again, Abort stops the batch (false), Ignore goes on.
bool CheckStorePathReachable(const CFileSetStore& store, const ITEM_PIGEONHOLE_STRUCT& request,
                             IFilingProgress* progress, ArchivedItem& done) {
  if (!LocalPathOfUrl(request.Url)) return true;
  const std::string reason = UnreachableStorePathReason(store, request.PigPathSet);
  if (reason.empty()) return true;
  done.status = ArchiveStatus::Failed;
  done.reason = reason;
  while (progress) {
    const ErrorChoice choice = progress->Error(reason + "\n" + request.Url);
    if (choice == ErrorChoice::Abort) return false;
    if (choice == ErrorChoice::Ignore) break;
  }
  return true;
}

// Moves an item's file back after a failed save (never replacing anything) and
// records the item where it is again; false when the file could not go back.
bool MoveBack(CFileSetStore& store, TouchedSets& touched, const FilingEnvironment& environment, ArchivedItem& done) {
  const auto path = LocalPathOfUrl(done.newUrl);
  const auto source = LocalPathOfUrl(done.oldUrl);
  if (!path || !source) return false;
  const MoveIntoStoreResult back = MoveIntoStore(*path, *source, done.newUrl, nullptr, environment);
  if (back.failed) return false;
  const std::string url = back.finalPath == *source ? done.oldUrl : MakeFileUrl(back.finalPath);
  RecordArchivedItem(store, touched, done.newUrl, store.FindItemByPath(done.newUrl), url);
  done.newUrl = url;
  done.status = ArchiveStatus::Failed;
  done.reason = MessageText(MessageId::MovedBack);
  return true;
}

// The save failed: the batch's moves are undone, last first, so that the disk and
// the document in memory agree again. True when every file went back.
bool UndoMoves(CFileSetStore& store, TouchedSets& touched, const FilingEnvironment& environment,
               ArchiveResult& result) {
  bool all = true;
  for (auto done = result.items.rbegin(); done != result.items.rend(); ++done) {
    if (done->status == ArchiveStatus::Moved && !MoveBack(store, touched, environment, *done)) all = false;
  }
  touched.WriteAll(store);
  return all;
}

}  // namespace

ArchiveResult Archive(CFileSetStore& store, const PigeonholeBatch& batch, IFilingProgress* progress,
                      const FilingEnvironment& environment) {
  ArchiveResult result;
  if (progress && !batch.empty()) progress->Start(batch.size());
  std::vector<PlannedRecord> plans = PlanRecords(store, batch);
  const std::vector<JournalMove> moves = PlanMoves(store, batch, plans);
  ArchiveJournal journal;
  if (!environment.dryRun) BeginJournal(journal, DataFolder(store), moves, progress, result.aborted);
  TouchedSets touched;

  auto move = moves.begin();
  for (size_t i = 0; i < batch.size() && !result.aborted; ++i) {
    const ITEM_PIGEONHOLE_STRUCT& request = batch[i];
    if (progress) progress->Item(request);
    if (!plans[i].Placed()) {
      result.items.push_back(Unplaced(request, std::move(plans[i])));
      continue;
    }
    ArchivedItem done = NotMoved(request, plans[i]);
    const bool planned = move != moves.end() && move->index == i;
    if (planned && !MoveFile(*move++, journal, progress, environment, done)) {
      result.aborted = true;
      break;
    }
    if (!planned && !CheckStorePathReachable(store, request, progress, done)) {
      result.aborted = true;
      break;
    }
    if (!environment.dryRun) RecordArchivedItem(store, touched, request.Url, std::move(plans[i].item), done.newUrl);
    result.items.push_back(std::move(done));
  }

  touched.WriteAll(store);
  if (progress) progress->Finish();
  if (environment.dryRun) return result;
  journal.Sync();
  const SaveOutcome saved = environment.save(store);
  result.saved = saved != SaveOutcome::Failed;
  // A deferred save keeps the journal: the caller's own save settles it.
  if (saved == SaveOutcome::Deferred) return result;
  if (result.saved || UndoMoves(store, touched, environment, result)) journal.Remove();
  return result;
}

}  // namespace ovelin
