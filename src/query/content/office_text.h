#pragma once
// The text of Word (.doc) and Excel (.xls) files through the catdoc converters.

#include <optional>
#include <stop_token>
#include <string>

#include "query/content/converter_process.h"

namespace ovelin {

/// True when the file starts with the OLE2 compound-document signature
/// D0 CF 11 E0 A1 B1 1A E1 that every .doc and .xls file carries.
bool HasOle2Signature(const std::string& path);

/// The UTF-8 text of a Word document: `catdoc -d utf-8 -w PATH` run as `program`.
/// Nothing when the file is no OLE2 document (the converter prints garbage for
/// those) or the converter fails, crashes or overruns its limits.
std::optional<std::string> WordDocumentText(const std::string& path, const std::string& program,
                                            const ConverterLimits& limits, std::stop_token stop = {});

/// The UTF-8 text of an Excel workbook, one cell per line, cells unquoted:
/// `xls2csv -d utf-8 -q 0 -c <newline> PATH` run as `program`. Nothing as above.
std::optional<std::string> SpreadsheetText(const std::string& path, const std::string& program,
                                           const ConverterLimits& limits, std::stop_token stop = {});

}  // namespace ovelin
