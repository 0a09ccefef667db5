#include "cli/cli_context.h"

#include <filesystem>

#include "cli/cli_input.h"
#include "cli/cli_leftover_moves.h"
#include "cli/cli_output.h"
#include "filing/planning_environment.h"
#include "store/machine_identifier.h"

namespace ovelin::cli {

namespace fs = std::filesystem;

CliContext::CliContext(GlobalOptions options)
    : options_(std::move(options)), folder_(AbsolutePath(ResolveDataFolder(options_.dataDir))) {}

std::string CliContext::DataFilePath() const { return folder_ + "/" + kDataFileName; }

int CliContext::CheckMachineIdentifier() const {
  if (GetMachineIdentifier().empty()) return Report({MessageId::NoMachineId, MessageId::None});
  return kExitOk;
}

int CliContext::Load() {
  if (int rc = CheckMachineIdentifier(); rc != kExitOk) return rc;
  if (!store_.Load(DataFilePath())) return FailToLoad();
  return kExitOk;
}

int CliContext::FailToLoad() const {
  // A folder without a data file is the usual first mistake: say how to start.
  std::error_code ec;
  if (fs::exists(DataFilePath(), ec)) return Report({MessageId::LoadFailed, MessageId::None});
  return Report({MessageId::LoadFailed, MessageId::NoLibraryHere, {folder_}});
}

int CliContext::TakeLock() {
  switch (lock_.TryAcquire(folder_)) {
    case DataFileLock::Result::Acquired:
      return kExitOk;
    case DataFileLock::Result::HeldByOther:
      return Report({MessageId::DataFileLocked, MessageId::None, {folder_}}, kExitLocked);
    case DataFileLock::Result::Failed:
      break;
  }
  return Report({MessageId::LockFailed, MessageId::None, {folder_}});
}

int CliContext::OpenForReading() { return batch_ ? kExitOk : Load(); }

int CliContext::OpenForChange() {
  if (batch_) return kExitOk;
  // Without a data folder there is nothing to lock and nothing to load.
  std::error_code ec;
  if (!fs::is_directory(folder_, ec)) return FailToLoad();
  if (int rc = TakeLock(); rc != kExitOk) return rc;
  if (int rc = Load(); rc != kExitOk) return rc;
  ResolveLeftoverMoves(store_);
  return kExitOk;
}

int CliContext::CreateFolderAndLock() {
  std::error_code ec;
  if (!fs::is_directory(folder_, ec)) {
    if (!fs::create_directories(folder_, ec)) {
      return Report({MessageId::CannotCreateDataFolder, MessageId::None, {folder_, ec.message()}});
    }
    // The folder holds private data: only its owner may look inside.
    fs::permissions(folder_, fs::perms::owner_all, fs::perm_options::replace, ec);
  }
  return TakeLock();
}

int CliContext::SaveChanges() {
  if (batch_) {
    changedInBatch_ = true;
    return kExitOk;
  }
  if (!store_.Save()) return Report({MessageId::SaveFailed, MessageId::None, {store_.GetDataFilePath()}});
  return kExitOk;
}

FilingEnvironment CliContext::Filing(bool dryRun) {
  if (dryRun) return PlanningEnvironment();
  FilingEnvironment environment;
  if (!batch_) return environment;
  environment.save = [this](CFileSetStore&) {
    SaveChanges();
    return SaveOutcome::Deferred;
  };
  return environment;
}

int CliContext::BeginBatch() {
  if (int rc = OpenForChange(); rc != kExitOk) return rc;
  batch_ = true;
  changedInBatch_ = false;
  return kExitOk;
}

int CliContext::EndBatch() {
  batch_ = false;
  return changedInBatch_ ? SaveChanges() : kExitOk;
}

}  // namespace ovelin::cli
