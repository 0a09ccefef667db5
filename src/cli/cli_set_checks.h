#pragma once
// The set commands' checks: the store's checks reported on stderr, and the
// reading of the store-path options. Each returns kExitOk, or an exit code after
// printing the message and its reason.

#include <string>
#include <string_view>
#include <vector>

#include "base/messages.h"
#include "store/file_set_store.h"

namespace ovelin::cli {

/// The name may name a new set: not blank, no illegal character, not used by a set
/// or a view set (`usedMessage` then).
int CheckNewSetName(const CFileSetStore& store, const std::string& name, MessageId usedMessage);

/// An entity set of that name exists.
int CheckSetExists(const CFileSetStore& store, std::string_view name);

/// Every listed parent exists.
int CheckParentsExist(const CFileSetStore& store, const NameList& parents);

/// None of `parents` is `name` itself or one of its descendants.
int CheckNoCycle(const CFileSetStore& store, const std::string& name, const NameList& parents);

/// Reads "name;type;min;max;init[;origin]" texts: five fields at least, a legal and
/// unique name, type NUMBER or STRING; the origin defaults to "Self".
int ParseDefinitions(const std::vector<std::string>& texts, DefinitionList& definitions);

/// The definitions the parents pass down do not conflict with each other.
int CheckParentConflicts(const CFileSetStore& store, const NameList& parents);

/// The set's own definitions do not conflict with those the parents pass down.
int CheckOwnConflicts(const CFileSetStore& store, const NameList& parents, const DefinitionList& own);

/// None of `wanted` changes the type of a definition the set makes itself.
int CheckNoTypeChange(const CFileSetStore& store, const std::string& name, const DefinitionList& wanted);

/// At most one of --path and --extend was given, and one when `required`.
int CheckStorePathOptions(const std::vector<std::string>& paths, const std::vector<std::string>& extends,
                          bool required);

/// The store path of --path DIR or --extend P (P must be one of `parents`);
/// neither: extend the first parent (empty text). Sets `path`.
int ChooseStorePath(const std::vector<std::string>& paths, const std::vector<std::string>& extends,
                    const NameList& parents, StorePath& path);

}  // namespace ovelin::cli
