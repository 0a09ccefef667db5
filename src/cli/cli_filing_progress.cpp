#include "cli/cli_filing_progress.h"

#include "cli/cli_output.h"

namespace ovelin::cli {

ErrorChoice CliFilingProgress::Error(const std::string& message) {
  ++errors_;
  Warn(message);
  return answer_;
}

}  // namespace ovelin::cli
