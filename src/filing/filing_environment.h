#pragma once
// What the filing engines take from the outside world: the rename and trash
// primitives, the save at the end of a run and the clock. Tests replace them to
// fake file-system errors and fix the time.

#include <chrono>
#include <functional>

#include "filing/file_move.h"
#include "store/file_set_store.h"
#include "store/trash.h"

namespace ovelin {

/// How an engine's save at the end of its run went: done, failed, or left to a
/// caller that saves many runs at once.
enum class SaveOutcome { Saved, Failed, Deferred };
using SaveFunction = std::function<SaveOutcome(CFileSetStore& store)>;

struct FilingEnvironment {
  /// Renames without replacing; 0 or the errno value.
  RenameFunction rename = RenameNoReplace;
  /// The current time; collision names carry it in UTC.
  std::function<std::chrono::system_clock::time_point()> now = [] { return std::chrono::system_clock::now(); };
  /// Moves a local file to the user's Trash.
  std::function<RemovalResult(const std::string& localPath)> trash = MoveToTrash;
  /// Deletes a local file for good.
  std::function<RemovalResult(const std::string& localPath)> deleteForGood = DeleteForGood;
  /// A dry run: the engines plan with these primitives (see PlanningEnvironment)
  /// and change no record, write no journal and save nothing.
  bool dryRun = false;
  /// Saves the store at the end of a run. After a deferred save the archiving
  /// journal stays: the caller removes it once it has saved, or moves the files
  /// back (ResolveArchiveJournals against the saved document) when it never does.
  SaveFunction save = [](CFileSetStore& store) { return store.Save() ? SaveOutcome::Saved : SaveOutcome::Failed; };
};

}  // namespace ovelin
