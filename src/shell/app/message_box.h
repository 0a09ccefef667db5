#pragma once
// The program's message boxes (caption "Ovelin") and the save that reports its failure.

#include <QString>

class QWidget;

namespace ovelin {

class CFileSetStore;
class CheckResult;

inline constexpr const char* kMessageCaption = "Ovelin";

/// An error box captioned "Ovelin".
void ShowError(QWidget* parent, const QString& text);
/// A warning box captioned "Ovelin".
void ShowWarning(QWidget* parent, const QString& text);
/// An information box captioned "Ovelin".
void ShowInformation(QWidget* parent, const QString& text);
/// A Yes/No question captioned "Ovelin"; true for Yes.
bool AskYesNo(QWidget* parent, const QString& text);

/// A warning with the message of a failed check and, on a second line, its reason.
void ShowCheckFailure(QWidget* parent, const CheckResult& check);

/// The text shown when the data file could not be written.
QString SaveFailedText();

/// Writes the data file; on failure tells the user that the change is not on disk.
bool SaveStore(QWidget* parent, CFileSetStore& store);

}  // namespace ovelin
