#pragma once
// What one run of a command works with: the global options, the data folder, the
// store loaded from it and, for changing commands, the writer lock. A batch opens
// the library once for all its commands: while it runs, opening finds the store
// open and saving only notes that there is something to save.

#include <string>

#include "filing/filing_environment.h"
#include "store/data_file.h"
#include "store/file_set_store.h"

namespace ovelin::cli {

struct GlobalOptions {
  std::string dataDir;  // --data-dir; empty: the usual resolution
  bool json = false;    // --json
};

class CliContext {
 public:
  explicit CliContext(GlobalOptions options);

  bool WantsJson() const { return options_.json; }
  /// The data folder resolved from --data-dir and the environment.
  const std::string& DataFolder() const { return folder_; }
  /// The data file inside the data folder.
  std::string DataFilePath() const;
  CFileSetStore& Store() { return store_; }

  /// Loads the data file for a command that changes nothing; no lock is taken.
  /// Returns kExitOk, or the exit code after printing the message.
  int OpenForReading();
  /// Takes the writer lock, then loads the data file.
  int OpenForChange();
  /// Creates the data folder when missing and takes the writer lock (for init).
  int CreateFolderAndLock();
  /// Saves the document to the data file; kExitOk or kExitFailed with a message.
  int SaveChanges();
  /// kExitOk when a machine identifier can be read, else the message and kExitFailed.
  int CheckMachineIdentifier() const;

  /// Opens the library for change once for a batch of commands; until EndBatch
  /// OpenForReading and OpenForChange return kExitOk and SaveChanges defers.
  int BeginBatch();
  /// Ends the batch: saves once when a command of it saved (SaveChanges), else
  /// nothing. kExitOk or kExitFailed with a message.
  int EndBatch();
  /// What the filing engines work with: planning primitives for a dry run; in a
  /// batch their saves are left to the batch's one save (archiving journals stay
  /// until then).
  FilingEnvironment Filing(bool dryRun);

 private:
  int TakeLock();
  int Load();
  /// The load failure, with a hint when the folder holds no library yet.
  int FailToLoad() const;

  GlobalOptions options_;
  std::string folder_;
  CFileSetStore store_;
  DataFileLock lock_;
  bool batch_ = false;
  bool changedInBatch_ = false;
};

}  // namespace ovelin::cli
