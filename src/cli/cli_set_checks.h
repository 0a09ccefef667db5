#pragma once
// What the set commands read from their options: property definitions and store
// paths, checked by the store's set checks. Each returns kExitOk, or an exit code
// after printing the message and its reason.

#include <string>
#include <string_view>
#include <vector>

#include "store/file_set_store.h"
#include "store/set_checks.h"

namespace ovelin::cli {

/// Reads --prop texts with the store's definition check; a malformed text is a
/// usage error (exit 2), any other refusal exit 1.
int ReadDefinitions(const std::vector<std::string>& texts, DefinitionList& definitions);

/// At most one of --path and --extend was given, and one when `required`.
int CheckStorePathOptions(const std::vector<std::string>& paths, const std::vector<std::string>& extends,
                          bool required);

/// The store path of --path DIR or --extend P (P must be one of `parents`);
/// neither: extend the first parent (empty text). Sets `path`.
int ChooseStorePath(const std::vector<std::string>& paths, const std::vector<std::string>& extends,
                    const NameList& parents, StorePath& path);

}  // namespace ovelin::cli
