#pragma once
// Printing for the command-line program: text records on stdout (fields separated
// by a tab), one JSON document with --json, messages on stderr, and exit codes.

#include <nlohmann/json.hpp>

#include <string_view>
#include <vector>

#include "base/check_result.h"
#include "store/file_item.h"
#include "store/name_list.h"

namespace ovelin::cli {

using Json = nlohmann::ordered_json;

enum ExitCode : int { kExitOk = 0, kExitFailed = 1, kExitUsage = 2, kExitLocked = 3 };

/// Writes one line to stdout.
void PrintLine(std::string_view text);
/// Writes "key<TAB>value" to stdout.
void PrintField(std::string_view key, std::string_view value);
/// Writes text to stdout as it is, adding a final newline when it lacks one.
void PrintText(std::string_view text);
/// Writes one JSON document (indented) to stdout.
void PrintJson(const Json& document);
/// Makes every failure print one JSON object on stderr instead of text (--json).
void SetJsonFailures(bool on);
/// Writes a failure to stderr and returns `code`, for `return Fail(...)`: the
/// message, then the reason on a second line when there is one; with --json the
/// object {"error": message, "reason": reason, "code": errorCode}.
int Fail(int code, std::string_view message, std::string_view reason = {}, std::string_view errorCode = {});
/// kExitOk when the check passed; else writes its message and reason as Fail
/// does and returns `code`.
int Report(const CheckResult& result, int code = kExitFailed);
/// Writes a message line to stderr; the command goes on.
void Warn(std::string_view message);

/// An item's property values as a JSON object (name -> value, first entry of a name wins).
Json PropertiesToJson(const CFileItem& item);

/// A list of names as a JSON array.
Json NamesToJson(const NameList& names);

}  // namespace ovelin::cli
