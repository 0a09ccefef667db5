#pragma once
// What the set commands read from their options: property definitions and store
// paths, checked by the store's set checks. Each returns kExitOk, or an exit code
// after printing the message and its reason.

#include <string>
#include <string_view>
#include <vector>

#include "cli/cli_output.h"
#include "store/file_set_store.h"
#include "store/set_checks.h"

namespace ovelin::cli {

/// Reports a failed check as Report does; a check that names no reason is shown
/// under `message` (its place filled with `name`), its own text becoming the reason.
int ReportUnder(MessageId message, const std::string& name, const CheckResult& result, int code = kExitFailed);

/// Reads --prop texts with the store's definition check; a malformed text is a
/// usage error (exit 2) shown under `message`, any other refusal exit 1.
int ReadDefinitions(const std::vector<std::string>& texts, DefinitionList& definitions, MessageId message,
                    const std::string& name);

/// At most one of --path and --extend was given, and one when `required`.
int CheckStorePathOptions(const std::vector<std::string>& paths, const std::vector<std::string>& extends,
                          bool required);

/// The store path of --path DIR or --extend P (P must be one of `parents`);
/// neither: extend the first parent (empty text). Sets `path`; a refusal is shown
/// under `message` for the set `name`.
int ChooseStorePath(const std::vector<std::string>& paths, const std::vector<std::string>& extends,
                    const NameList& parents, StorePath& path, MessageId message, const std::string& name);

}  // namespace ovelin::cli
