#pragma once
// A generator of large sample libraries for benchmarks: a set graph about six
// levels deep, property definitions, and many file items with property values.
// The same options give the same library.

#include <cstdint>
#include <optional>
#include <string>

namespace ovelin {

struct SampleLibraryOptions {
  int sets = 1000;  // sets below the root set
  int items = 100000;
  uint64_t seed = 1;
};

struct SampleLibrarySummary {
  int sets = 0;  // below the root set
  int setsWithTwoParents = 0;
  int depth = 0;  // levels below the root set
  int definitions = 0;
  int items = 0;
  int itemsInTwoSets = 0;
  size_t fileElements = 0;
  size_t propertyValues = 0;
};

struct SampleLibrary {
  std::string xml;  // the whole document as UTF-8 text
  SampleLibrarySummary summary;
};

/// The document of a sample library: Version "1.50", the root set named as in the
/// starter document, the default configuration and no view sets.
SampleLibrary GenerateSampleLibrary(const SampleLibraryOptions& options);

/// Generates a sample library, loads it into a store and saves it enciphered with
/// this machine's identifier to `path`; nothing when loading or saving fails.
std::optional<SampleLibrarySummary> WriteSampleLibrary(const SampleLibraryOptions& options, const std::string& path);

}  // namespace ovelin
