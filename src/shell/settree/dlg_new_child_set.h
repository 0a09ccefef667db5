#pragma once
// CDlgNewChildSet: asks for the name of a new child set.

#include <QDialog>

class QLineEdit;

namespace ovelin {

class CDlgNewChildSet : public QDialog {
  Q_OBJECT
 public:
  explicit CDlgNewChildSet(QWidget* parent = nullptr);
  /// The entered name as typed.
  QString Name() const;

 private:
  QLineEdit* name_;
};

}  // namespace ovelin
