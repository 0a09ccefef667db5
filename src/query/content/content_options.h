#pragma once
// The limits and converter commands of content matching.

#include <cstddef>
#include <string>

#include "query/content/converter_process.h"
#include "query/content/html_text.h"

namespace ovelin {

struct ContentOptions {
  /// Bytes read from the start of a text, XML, HTML or MHT file; the rest is not searched.
  size_t maxFileBytes = size_t{64} << 20;
  /// Total size of the extracted texts one matcher keeps for further keywords.
  size_t cacheBytes = size_t{256} << 20;
  /// How deep the folder walk descends below the folder it was asked about.
  int maxFolderDepth = 64;
  /// Program names (or paths) of the Word and Excel converters.
  std::string catdoc = "catdoc";
  std::string xls2csv = "xls2csv";
  ConverterLimits converter;
  HtmlParseLimits html;

  /// The defaults, changed by the environment: OVELIN_CONVERTER_TIMEOUT_MS (the time
  /// limit of one converter run and of one HTML parse, in milliseconds),
  /// OVELIN_CATDOC and OVELIN_XLS2CSV (the converter programs).
  static ContentOptions FromEnvironment();
};

}  // namespace ovelin
