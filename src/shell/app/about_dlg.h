#pragma once
// The about box: the product name with its version and a link to the home page.

#include <QDialog>

namespace ovelin {

class CAboutDlg : public QDialog {
  Q_OBJECT
 public:
  explicit CAboutDlg(QWidget* parent = nullptr);
};

}  // namespace ovelin
