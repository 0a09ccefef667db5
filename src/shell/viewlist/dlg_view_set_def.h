#pragma once
// CDlgViewSetDef ("视图集"): edits a view set's name and expression. It checks
// nothing itself.

#include <QDialog>

class QLineEdit;

namespace ovelin {

class CDlgViewSetDef : public QDialog {
  Q_OBJECT
 public:
  CDlgViewSetDef(const QString& name, const QString& expression, QWidget* parent = nullptr);
  /// The name as edited.
  QString Name() const;
  /// The expression as edited.
  QString Expression() const;

 private:
  QLineEdit* name_;
  QLineEdit* expression_;
};

}  // namespace ovelin
