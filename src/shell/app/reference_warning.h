#pragma once
// Telling the user which saved queries a removal leaves broken.

#include <QString>

class QWidget;

namespace ovelin {

class CFileSetStore;

/// Tells the user which view sets still name `name` in their expressions;
/// nothing when none does.
void WarnAboutReferences(QWidget* parent, const CFileSetStore& store, const QString& name);

}  // namespace ovelin
