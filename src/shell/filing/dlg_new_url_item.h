#pragma once
// CDlgNewUrlItem ("URL项目"): a web address and its name, checked on OK.

#include <QDialog>

class QLineEdit;

namespace ovelin {

class CDlgNewUrlItem : public QDialog {
  Q_OBJECT
 public:
  explicit CDlgNewUrlItem(QWidget* parent = nullptr);

  QString Name() const;
  QString Url() const;

 public slots:
  /// Closes only with a name and an address that splits into scheme and rest.
  void accept() override;

 private:
  QLineEdit* name_;
  QLineEdit* url_;
};

}  // namespace ovelin
