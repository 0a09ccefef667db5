#pragma once
// CDlgDelViewSetOption: confirms deleting a view set.

#include <QDialog>

namespace ovelin {

class CDlgDelViewSetOption : public QDialog {
  Q_OBJECT
 public:
  explicit CDlgDelViewSetOption(const QString& viewSetName, QWidget* parent = nullptr);
};

}  // namespace ovelin
