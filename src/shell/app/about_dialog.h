#pragma once
// The about box: the product name with its version and a link to the home page.

#include <QDialog>

namespace ovelin {

class AboutDialog : public QDialog {
  Q_OBJECT
 public:
  explicit AboutDialog(QWidget* parent = nullptr);
};

}  // namespace ovelin
