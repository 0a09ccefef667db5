#pragma once
// Printing for the command-line program: text records on stdout (fields separated
// by a tab), one JSON document with --json, messages on stderr, and exit codes.

#include <nlohmann/json.hpp>

#include <string_view>
#include <vector>

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
/// Writes a message line to stderr and returns `code`, for `return Fail(...)`.
int Fail(int code, std::string_view message);
/// Writes a message line to stderr; the command goes on.
void Warn(std::string_view message);

/// An item's property values as a JSON object (name -> value, first entry of a name wins).
Json PropertiesToJson(const CFileItem& item);

/// A list of names as a JSON array.
Json NamesToJson(const NameList& names);

}  // namespace ovelin::cli
