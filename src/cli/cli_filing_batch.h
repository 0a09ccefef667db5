#pragma once
// The archiving batch of the archive command: records built from TARGET operands
// and the item options, or read from a JSON document. Each function returns
// kExitOk, or an exit code after printing the message.

#include <string>

#include "cli/cli_args.h"
#include "filing/pigeonhole_item.h"

namespace ovelin::cli {

/// The options that say what becomes of a folder TARGET: walked into its files
/// (with sub-folders), or archived as one item.
inline constexpr const char* kRecursiveOption = "--recursive";
inline constexpr const char* kRecursiveShortOption = "-r";
inline constexpr const char* kWholeOption = "--whole";
/// Computes and prints what a filing command would do, changing nothing.
inline constexpr const char* kDryRunOption = "--dry-run";

/// Whether a command-line target is a local path rather than a URL: it starts
/// with "/" or holds no "://".
bool IsLocalTarget(const std::string& target);

/// A local path made absolute and lexically normal, without a trailing "/".
std::string NormalLocalPath(const std::string& path);

/// Appends one record per TARGET operand, with --name, --description, --set,
/// --store-set, --base and --prop applied to each. A local folder TARGET is one
/// record with --whole, one record per file below it with -r/--recursive, and
/// refused (exit 2) without either.
int AppendTargetRecords(const ParsedArgs& args, PigeonholeBatch& batch);

/// Appends the records of a JSON array of objects with the fields Name,
/// Description, BelongSets, PigPathSet, Url, BasePath (strings) and PropValueAry
/// (strings "name;value"); `source` names the document in messages. Url is
/// required; a document of any other shape appends nothing.
int AppendJsonRecords(const std::string& text, const std::string& source, PigeonholeBatch& batch);

}  // namespace ovelin::cli
