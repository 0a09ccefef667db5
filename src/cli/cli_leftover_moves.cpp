#include "cli/cli_leftover_moves.h"

#include "cli/cli_output.h"
#include "filing/journal_resolution.h"

namespace ovelin::cli {

void ResolveLeftoverMoves(const CFileSetStore& store) {
  for (const LeftoverMove& move : ResolveArchiveJournals(store).moves) {
    if (move.back.empty()) {
      Warn("an archived file was never recorded and cannot be moved back yet: " + move.path);
    } else {
      Warn("an archived file was never recorded (its run ended before saving); moved it back: " + move.path +
           " -> " + move.back);
    }
  }
}

}  // namespace ovelin::cli
