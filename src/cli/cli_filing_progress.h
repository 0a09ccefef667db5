#pragma once
// The progress object that the command line hands to the filing engines: no
// progress display, each failure printed on stderr and answered with one fixed
// choice.

#include <cstddef>
#include <string>

#include "filing/filing_progress.h"

namespace ovelin::cli {

class CliFilingProgress : public IFilingProgress {
 public:
  /// Every reported failure is answered with `answer` (Ignore or Abort).
  explicit CliFilingProgress(ErrorChoice answer) : answer_(answer) {}

  void Start(size_t) override {}
  void Item(const ITEM_PIGEONHOLE_STRUCT&) override {}
  ErrorChoice Error(const std::string& message) override;
  void Finish() override {}

  /// How many failures were reported.
  size_t Errors() const { return errors_; }

 private:
  ErrorChoice answer_;
  size_t errors_ = 0;
};

}  // namespace ovelin::cli
