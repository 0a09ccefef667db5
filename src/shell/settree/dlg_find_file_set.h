#pragma once
// CDlgFindFileSet: asks for (part of) a set name to look for.

#include <QDialog>

class QLineEdit;

namespace ovelin {

class CDlgFindFileSet : public QDialog {
  Q_OBJECT
 public:
  /// Opens with the last search text.
  explicit CDlgFindFileSet(const QString& lastText, QWidget* parent = nullptr);
  /// The entered text without leading and trailing white space.
  QString Text() const;

 public slots:
  /// "查找下一个(&F)": closes only when the field is not empty.
  void accept() override;

 private:
  QLineEdit* name_;
};

}  // namespace ovelin
