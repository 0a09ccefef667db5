// Commands on the whole document: init, info, dump, restore.

#include <filesystem>

#include "base/messages.h"
#include "cli/cli_commands.h"
#include "cli/cli_input.h"
#include "cli/cli_output.h"
#include "store/data_file.h"
#include "store/xml_text.h"

namespace ovelin::cli {
namespace {

namespace fs = std::filesystem;

bool FileExists(const std::string& path) {
  std::error_code ec;
  return fs::exists(fs::symlink_status(path, ec));
}

// Prints one text value, or the same as a JSON string.
void PrintValue(const CliContext& context, const std::string& value) {
  if (context.WantsJson()) {
    PrintJson(Json(value));
  } else {
    PrintText(value);
  }
}

int Init(CliContext& context, const ParsedArgs& args) {
  const auto rootPath = args.Last("--root-path");
  if (rootPath && rootPath->empty())
    return Report({MessageId::OptionNeedsFolder, MessageId::None, {"--root-path"}}, kExitUsage);
  if (int rc = context.CheckMachineIdentifier(); rc != kExitOk) return rc;
  if (int rc = context.CreateFolderAndLock(); rc != kExitOk) return rc;
  const std::string path = context.DataFilePath();
  if (FileExists(path)) return Report({MessageId::DataFileExists, MessageId::None, {path}}, kExitFailed);

  CFileSetStore& store = context.Store();
  store.CreateStarterDocument();
  store.SetStorePath(store.GetRootName(), rootPath ? AbsolutePath(*rootPath) : DefaultRootStorePath(),
                     StorePathKind::UsrDef);
  if (!store.SaveTo(path)) return Report({MessageId::SaveFailed, MessageId::None, {path}}, kExitFailed);
  if (!CopyFileAtomically(path, path + kBackupSuffix)) Warn(MessageText(MessageId::BackupFailed));
  PrintValue(context, path);
  return kExitOk;
}

int Info(CliContext& context, const ParsedArgs&) {
  if (int rc = context.OpenForReading(); rc != kExitOk) return rc;
  const CFileSetStore& store = context.Store();
  Json info = {{"version", store.GetVersion()},        {"root", store.GetRootName()},
               {"data-file", store.GetDataFilePath()}, {"sets", store.GetFileSetNames().size()},
               {"items", store.GetRootItems().size()}, {"view-sets", store.GetViewSetNames().size()}};
  if (context.WantsJson()) {
    PrintJson(info);
    return kExitOk;
  }
  for (const auto& [key, value] : info.items()) {
    PrintField(key, value.is_string() ? value.get<std::string>() : value.dump());
  }
  return kExitOk;
}

int Dump(CliContext& context, const ParsedArgs&) {
  if (int rc = context.OpenForReading(); rc != kExitOk) return rc;
  PrintValue(context, context.Store().GetXml(true));
  return kExitOk;
}

int Restore(CliContext& context, const ParsedArgs& args) {
  const std::string& file = args.positionals[0];
  const auto xml = ReadInputText(file);
  if (!xml) return Report({MessageId::CannotReadFile, MessageId::None, {file}}, kExitFailed);
  if (int rc = context.OpenForChange(); rc != kExitOk) return rc;
  CFileSetStore& store = context.Store();
  if (!store.LoadXml(*xml)) return Report({MessageId::RestoreFailed, MessageId::NotSetDocument, {file}});
  // Whatever replaces the library must be one the program can work with afterwards.
  if (!store.IsUsableDocument()) {
    return Report({MessageId::UnusableDocument, MessageId::None, {file, std::to_string(kMaxDocumentDepth)}},
                  kExitFailed);
  }
  // The restored document replaces the whole library: keep the one it replaces.
  const std::string path = store.GetDataFilePath();
  if (!CopyFileAtomically(path, path + kBackupSuffix)) {
    return Report({MessageId::RestoreBackupFailed, MessageId::None, {path}}, kExitFailed);
  }
  return context.SaveChanges();
}

}  // namespace

std::vector<Command> DocumentCommands() {
  return {
      {"init",
       "",
       "[--root-path DIR]",
       "Creates the data file with the starter document and the root set's store path.",
       {{"--root-path", true}},
       0,
       0,
       Init,
       "Refuses when a data file exists. Without --root-path the root set's store path is\n"
       "$XDG_DOCUMENTS_DIR, else ~/Documents when it exists, else ~/MyDoc. Prints the data file path."},
      {"info",
       "",
       "",
       "Prints version, root set, data file and the numbers of sets, items and view sets.",
       {},
       0,
       0,
       Info},
      {"dump", "", "", "Prints the document as XML text.", {}, 0, 0, Dump},
      {"restore",
       "",
       "FILE",
       "Replaces the document with a plain XML file (\"-\": stdin) whose root is AllSets, upgraded.",
       {},
       1,
       1,
       Restore,
       "The data file it replaces is copied to AllSets.db.bak first. A document whose root set is\n"
       "missing or that nests deeper than the program reads is refused."},
  };
}

}  // namespace ovelin::cli
