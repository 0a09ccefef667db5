#include "cli/cli_leftover_moves.h"

#include "base/messages.h"
#include "cli/cli_output.h"
#include "filing/journal_resolution.h"

namespace ovelin::cli {

void ResolveLeftoverMoves(const CFileSetStore& store) {
  for (const LeftoverMove& move : ResolveArchiveJournals(store).moves) {
    if (move.back.empty()) {
      Warn(MessageText(MessageId::ArchivedFileNotMovedBack, {move.path}));
    } else {
      Warn(MessageText(MessageId::ArchivedFileMovedBack, {move.path, move.back}));
    }
  }
}

}  // namespace ovelin::cli
