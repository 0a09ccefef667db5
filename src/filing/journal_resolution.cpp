#include "filing/journal_resolution.h"

#include <unistd.h>

#include "base/unique_fd.h"
#include "filing/archive_journal.h"
#include "filing/archive_move.h"
#include "filing/url_parts.h"

namespace ovelin {
namespace {

// Where the move of a batch item ended: the noted place, else the planned one.
std::string LandedPath(const JournalEntries& entries, const JournalMove& move) {
  const auto landed = entries.landed.find(move.index);
  return landed == entries.landed.end() ? move.to : landed->second;
}

// Resolves one journal; true when nothing of it is left to do.
bool ResolveJournal(const CFileSetStore& store, const std::string& journal, const FilingEnvironment& environment,
                    JournalResolution& resolution) {
  const JournalEntries entries = ReadArchiveJournal(journal);
  bool settled = true;
  for (const JournalMove& move : entries.moves) {
    const std::string path = LandedPath(entries, move);
    // Not there: never moved, or back already. Recorded: the save went through.
    if (!HoldsFile(path, move.identity)) continue;
    const std::string url = MakeFileUrl(path);
    if (!store.FindItemByPath(url).GetPath().empty()) continue;
    const MoveIntoStoreResult back = MoveIntoStore(path, move.from, url, nullptr, environment);
    resolution.moves.push_back({path, back.failed ? std::string() : back.finalPath});
    if (back.failed) settled = false;
  }
  return settled;
}

}  // namespace

JournalResolution ResolveArchiveJournals(const CFileSetStore& store, const FilingEnvironment& environment) {
  JournalResolution resolution;
  const std::string& dataFile = store.GetDataFilePath();
  if (dataFile.empty()) return resolution;
  for (const std::string& journal : FindArchiveJournals(FolderOf(dataFile))) {
    if (ResolveJournal(store, journal, environment, resolution)) ::unlink(journal.c_str());
  }
  return resolution;
}

}  // namespace ovelin
