#pragma once
// CDlgDelFileItemOption ("删除文件项目"): confirms deleting the selected result
// items. Their files are always deleted with them: the check box that would
// say otherwise is kept hidden and ticked.

#include <QDialog>

class QCheckBox;

namespace ovelin {

class CDlgDelFileItemOption : public QDialog {
  Q_OBJECT
 public:
  explicit CDlgDelFileItemOption(QWidget* parent = nullptr);
  /// "删除对应文件实体": the items' local files are deleted too.
  bool DeleteFiles() const;

 private:
  QCheckBox* deleteFiles_;
};

}  // namespace ovelin
