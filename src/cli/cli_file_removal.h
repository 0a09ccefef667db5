#pragma once
// Removing the local files of deleted items for rm-items and set rm: to the
// Trash, or for good with --permanently, and how a file that stays is reported.

#include <string>
#include <vector>

#include "cli/cli_args.h"
#include "store/trash.h"

namespace ovelin::cli {

inline constexpr const char* kPermanentlyOption = "--permanently";

/// FileRemoval::Permanently with --permanently, else FileRemoval::Trash.
FileRemoval RemovalOf(const ParsedArgs& args);

/// Reports a file that stayed at its place: the desktop program's message with
/// the URL, then a line with the reason.
void ReportKeptFile(const std::string& url, const RemovalResult& result);

/// Removes the local file of each "file" URL and reports those that stay; false
/// when any stayed. A file already gone is no failure.
bool RemoveFilesOfUrls(const std::vector<std::string>& urls, FileRemoval how);

}  // namespace ovelin::cli
