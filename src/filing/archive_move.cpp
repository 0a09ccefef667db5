#include "filing/archive_move.h"

#include "base/messages.h"
#include "filing/archive_destination.h"
#include "filing/folder_chain.h"
#include "filing/url_parts.h"

namespace ovelin {
namespace {

// One attempt with its automatic remedies; `destination` follows the renames.
bool TryMove(const std::string& source, std::string& destination, const FilingEnvironment& environment) {
  for (int remedies = 0; remedies <= kMaxMoveRemedies; ++remedies) {
    if (destination.empty() || destination.front() != '/') return false;  // a relative store path
    switch (MovePath(source, destination, environment.rename)) {
      case MoveOutcome::Moved:
        return true;
      case MoveOutcome::PathNotFound: {
        const auto parts = SplitLocalPath(destination);
        if (!parts || !CreateFolderChain(parts->folder)) return false;
        break;
      }
      case MoveOutcome::Exists:
        destination = CollisionName(destination, environment.now());
        break;
      case MoveOutcome::Failed:
        return false;
    }
  }
  return false;
}

}  // namespace

MoveIntoStoreResult MoveIntoStore(const std::string& source, const std::string& destination, const std::string& url,
                                  IFilingProgress* progress, const FilingEnvironment& environment) {
  if (destination == source) return {source};
  std::string target = destination;
  while (true) {
    if (TryMove(source, target, environment)) return {target};
    const std::string message = MessageText(MessageId::MoveFailed, {url});
    const ErrorChoice choice = progress ? progress->Error(message) : ErrorChoice::Ignore;
    if (choice == ErrorChoice::Abort) return {source, false, true};
    if (choice == ErrorChoice::Ignore) return {source, true, false};
  }
}

}  // namespace ovelin
