#pragma once
// Set-name completion for the expression field: the names that fit the word
// being typed before the caret.

#include <QString>
#include <QStringList>

#include <optional>

namespace ovelin {

class CFileSetStore;

/// The entry offered when no name fits; choosing it deletes the partial word.
QString WrongNameEntry();

struct NameProposal {
  /// The word being typed: the last operand of the text when it is a single word.
  QString partialWord;
  /// Where that word stands in the text before the caret.
  qsizetype wordStart = 0;
  qsizetype wordEnd = 0;
  /// Entity set and view set names containing the word (ignoring letter case), in
  /// name order; the single entry WrongNameEntry() when none fits a non-empty word.
  QStringList entries;
};

/// The proposal for the text before the caret; nothing when the last operand is
/// more than one word (a name followed by conditions).
std::optional<NameProposal> ProposeSetNames(const CFileSetStore& store, const QString& textBeforeCaret);

/// The text before the caret with the partial word replaced by `entry`, or
/// deleted when `entry` is WrongNameEntry().
QString ApplyProposal(const QString& textBeforeCaret, const NameProposal& proposal, const QString& entry);

}  // namespace ovelin
