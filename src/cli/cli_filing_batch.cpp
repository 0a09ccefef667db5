#include "cli/cli_filing_batch.h"

#include <nlohmann/json.hpp>

#include <filesystem>

#include "base/messages.h"
#include "cli/cli_input.h"
#include "cli/cli_output.h"
#include "filing/archive_records.h"
#include "filing/item_gathering.h"
#include "filing/url_parts.h"
#include "store/name_list.h"

namespace ovelin::cli {
namespace {

// "NAME=VALUE" as the engine's "NAME;VALUE"; false for a missing "=" or a bad name.
bool PropertyEntry(const std::string& option, std::string& entry) {
  const size_t equals = option.find('=');
  if (equals == std::string::npos) return false;
  const std::string name = option.substr(0, equals);
  if (!IsValidName(name)) return false;
  entry = name + ";" + option.substr(equals + 1);
  return true;
}

std::string RecordPlace(const std::string& source, size_t index) {
  return MessageText(MessageId::BatchRecordPlace, {source, std::to_string(index + 1)});
}

// Reads one string field when present; false when it is there but no string.
bool ReadStringField(const Json& record, const char* field, std::string& value) {
  const auto found = record.find(field);
  if (found == record.end()) return true;
  if (!found->is_string()) return false;
  value = found->get<std::string>();
  return true;
}

// PropValueAry: an array of "name;value" strings with a non-empty name.
bool ReadPropertyValues(const Json& record, std::vector<std::string>& values) {
  const auto found = record.find("PropValueAry");
  if (found == record.end()) return true;
  if (!found->is_array()) return false;
  for (const auto& entry : *found) {
    if (!entry.is_string()) return false;
    const std::string text = entry.get<std::string>();
    const size_t semicolon = text.find(';');
    if (semicolon == std::string::npos || semicolon == 0) return false;
    values.push_back(text);
  }
  return true;
}

constexpr const char* kStringFields[] = {"Name", "Description", "BelongSets", "PigPathSet", "Url", "BasePath"};

bool IsKnownField(const std::string& key) {
  if (key == "PropValueAry") return true;
  for (const char* field : kStringFields) {
    if (key == field) return true;
  }
  return false;
}

int ReadRecord(const Json& json, const std::string& place, ITEM_PIGEONHOLE_STRUCT& record) {
  if (!json.is_object()) return Report({MessageId::BatchRecordNotObject, MessageId::None, {place}}, kExitUsage);
  for (const auto& [key, value] : json.items()) {
    if (!IsKnownField(key)) return Report({MessageId::BatchUnknownField, MessageId::None, {place, key}}, kExitUsage);
  }
  std::string* targets[] = {&record.Name,       &record.Description, &record.BelongSets,
                            &record.PigPathSet, &record.Url,         &record.BasePath};
  for (size_t i = 0; i < std::size(kStringFields); ++i) {
    if (!ReadStringField(json, kStringFields[i], *targets[i])) {
      return Report({MessageId::BatchFieldNotString, MessageId::None, {place, kStringFields[i]}}, kExitUsage);
    }
  }
  if (!ReadPropertyValues(json, record.PropValueAry)) {
    return Report({MessageId::BatchBadPropertyValues, MessageId::None, {place}}, kExitUsage);
  }
  // An empty Name stands for the file name; a blank one would name the item with nothing.
  if (!record.Name.empty() && IsBlankName(record.Name)) {
    return Report({MessageId::BatchNameBlank, MessageId::None, {place}}, kExitUsage);
  }
  if (record.Url.empty()) return Report({MessageId::BatchUrlMissing, MessageId::None, {place}}, kExitUsage);
  // A bare path would be recorded as an address and never moved.
  if (record.Url.front() == '/')
    return Report({MessageId::BatchUrlIsPath, MessageId::None, {place, record.Url}}, kExitUsage);
  return kExitOk;
}

enum class FolderTargets { Refused, Walked, Whole };

FolderTargets FolderTargetsOf(const ParsedArgs& args) {
  if (args.Has(kWholeOption)) return FolderTargets::Whole;
  if (args.Has(kRecursiveOption) || args.Has(kRecursiveShortOption)) return FolderTargets::Walked;
  return FolderTargets::Refused;
}

int RefuseFolder(const std::string& target) {
  return Fail(kExitUsage, MessageText(MessageId::FolderTarget, {target}), MessageText(MessageId::FolderTargetHint),
              MessageCode(MessageId::FolderTarget));
}

// One record per file below the folder, sub-folders included, each a copy of
// `folderRecord` with the file's URL; links to folders inside it are not followed.
// The base path stays the folder's own, so the folder is re-created in the store.
void AppendWalkedFiles(const std::string& folder, const ITEM_PIGEONHOLE_STRUCT& folderRecord,
                       const std::optional<std::string>& name, PigeonholeBatch& batch) {
  for (const ItemCandidate& file : WalkFolder(folder, true, FolderLinks::Skip)) {
    ITEM_PIGEONHOLE_STRUCT record = folderRecord;
    record.Url = file.url;
    record.Name = name ? *name : file.name;
    batch.push_back(std::move(record));
  }
}

}  // namespace

bool IsLocalTarget(const std::string& target) {
  return (!target.empty() && target.front() == '/') || target.find("://") == std::string::npos;
}

std::string NormalLocalPath(const std::string& path) {
  std::string normal = std::filesystem::path(AbsolutePath(path)).lexically_normal().string();
  while (normal.size() > 1 && normal.back() == '/') normal.pop_back();
  return normal;
}

int AppendTargetRecords(const ParsedArgs& args, PigeonholeBatch& batch) {
  ITEM_PIGEONHOLE_STRUCT shared;
  shared.Description = args.Last("--description").value_or("");
  shared.BelongSets = JoinNames(args.All("--set"));
  shared.PigPathSet = args.Last("--store-set").value_or("");
  for (const auto& option : args.All("--prop")) {
    std::string entry;
    if (!PropertyEntry(option, entry)) {
      return Report({MessageId::PropOptionNeedsNameValue, MessageId::None, {option}}, kExitUsage);
    }
    shared.PropValueAry.push_back(entry);
  }
  const auto name = args.Last("--name");
  if (name && IsBlankName(*name)) return Report({MessageId::NameOptionBlank, MessageId::None}, kExitUsage);
  const auto base = args.Last("--base");
  if (base && base->empty()) return Report({MessageId::BaseOptionEmpty, MessageId::None}, kExitUsage);

  const FolderTargets folders = FolderTargetsOf(args);
  for (const auto& target : args.positionals) {
    if (target.empty()) return Report({MessageId::EmptyTarget, MessageId::None}, kExitUsage);
    ITEM_PIGEONHOLE_STRUCT record = shared;
    const bool local = IsLocalTarget(target);
    record.Url = local ? MakeFileUrl(NormalLocalPath(target)) : target;
    // The trailing "/" of a base folder counts: it keeps that folder out of the store path.
    // A file URL takes it as a path does; without one the engine keeps only the file name.
    if (base) {
      record.BasePath = AbsolutePath(*base);
    } else if (local) {
      record.BasePath = NormalLocalPath(target);
    }
    const bool folder = local && ClassifyPath(NormalLocalPath(target)) == PathKind::Folder;
    if (folder && folders == FolderTargets::Refused) return RefuseFolder(target);
    if (folder && folders == FolderTargets::Walked) {
      AppendWalkedFiles(NormalLocalPath(target), record, name, batch);
      continue;
    }
    record.Name = name ? *name : ItemNameOf(record);
    batch.push_back(std::move(record));
  }
  return kExitOk;
}

int AppendJsonRecords(const std::string& text, const std::string& source, PigeonholeBatch& batch) {
  const Json document = Json::parse(text, nullptr, false);
  if (document.is_discarded()) return Report({MessageId::BatchNotJson, MessageId::None, {source}}, kExitUsage);
  if (!document.is_array()) return Report({MessageId::BatchNotArray, MessageId::None, {source}}, kExitUsage);
  PigeonholeBatch records;
  for (size_t i = 0; i < document.size(); ++i) {
    ITEM_PIGEONHOLE_STRUCT record;
    if (int rc = ReadRecord(document[i], RecordPlace(source, i), record); rc != kExitOk) return rc;
    records.push_back(std::move(record));
  }
  for (auto& record : records) batch.push_back(std::move(record));
  return kExitOk;
}

}  // namespace ovelin::cli
