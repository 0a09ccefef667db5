#include "cli/cli_filing_batch.h"

#include <nlohmann/json.hpp>

#include <filesystem>

#include "cli/cli_input.h"
#include "cli/cli_output.h"
#include "filing/archive_records.h"
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
  return source + ": record " + std::to_string(index + 1);
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
  if (!json.is_object()) return Fail(kExitUsage, place + " is not a JSON object");
  for (const auto& [key, value] : json.items()) {
    if (!IsKnownField(key)) return Fail(kExitUsage, place + ": unknown field \"" + key + "\"");
  }
  std::string* targets[] = {&record.Name,       &record.Description, &record.BelongSets,
                            &record.PigPathSet, &record.Url,         &record.BasePath};
  for (size_t i = 0; i < std::size(kStringFields); ++i) {
    if (!ReadStringField(json, kStringFields[i], *targets[i])) {
      return Fail(kExitUsage, place + ": " + kStringFields[i] + " must be a string");
    }
  }
  if (!ReadPropertyValues(json, record.PropValueAry)) {
    return Fail(kExitUsage, place + ": PropValueAry must be an array of \"name;value\" strings");
  }
  // An empty Name stands for the file name; a blank one would name the item with nothing.
  if (!record.Name.empty() && IsBlankName(record.Name)) return Fail(kExitUsage, place + ": Name is blank");
  if (record.Url.empty()) return Fail(kExitUsage, place + ": Url is missing or empty");
  // A bare path would be recorded as an address and never moved.
  if (record.Url.front() == '/') return Fail(kExitUsage, place + ": Url is a local path; write it as file://" + record.Url);
  return kExitOk;
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
    if (!PropertyEntry(option, entry)) return Fail(kExitUsage, "--prop needs NAME=VALUE with a property name: " + option);
    shared.PropValueAry.push_back(entry);
  }
  const auto name = args.Last("--name");
  if (name && IsBlankName(*name)) return Fail(kExitUsage, "--name needs a name that is not blank");
  const auto base = args.Last("--base");
  if (base && base->empty()) return Fail(kExitUsage, "--base needs a folder");

  for (const auto& target : args.positionals) {
    if (target.empty()) return Fail(kExitUsage, "an empty TARGET names nothing");
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
    record.Name = name ? *name : ItemNameOf(record);
    batch.push_back(std::move(record));
  }
  return kExitOk;
}

int AppendJsonRecords(const std::string& text, const std::string& source, PigeonholeBatch& batch) {
  const Json document = Json::parse(text, nullptr, false);
  if (document.is_discarded()) return Fail(kExitUsage, source + " is not a valid JSON document");
  if (!document.is_array()) return Fail(kExitUsage, source + " must hold a JSON array of records");
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
