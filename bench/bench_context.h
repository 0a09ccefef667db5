#pragma once
// What the benchmark's measurements share: options, the scratch folder with the
// sample data file, the key material, and the loaded store and floor document.

#include <pugixml.hpp>

#include <memory>
#include <optional>
#include <string>

#include "bench/command_line.h"
#include "bench/sample_library.h"
#include "store/envelope.h"
#include "store/file_set_store.h"

namespace ovelin {

/// A fresh folder under $TMPDIR (or /tmp), removed with its content on destruction.
class ScratchFolder {
 public:
  ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  ~ScratchFolder();
  /// Empty when the folder could not be created.
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

struct BenchContext {
  CommandLine options;
  std::string folder;    // the scratch folder
  std::string dataFile;  // the sample library
  std::string selfPath;  // this program, run again for the memory probes
  Bytes keyMaterial;     // of the data file on this machine
  SampleLibrarySummary summary;
  std::unique_ptr<CFileSetStore> store;
  std::optional<double> cliBatchMs;  // the batch row's figure, the next row's floor

  /// A file name in the scratch folder.
  std::string PathOf(const std::string& name) const { return folder + "/" + name; }
  /// The store loaded from the data file, loaded now when no measurement has;
  /// null when loading fails.
  CFileSetStore* LoadedStore();
  /// The data file parsed by the floor load, parsed once; null when that fails.
  const pugi::xml_document* FloorDocument();

 private:
  std::unique_ptr<pugi::xml_document> floorDocument_;
};

}  // namespace ovelin
