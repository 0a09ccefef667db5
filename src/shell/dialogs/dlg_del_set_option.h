#pragma once
// CDlgDelSetOption ("删除文件集"): confirms removing a set and asks whether the
// files of items left without any set are deleted from the disk.

#include <QDialog>

class QCheckBox;

namespace ovelin {

class CDlgDelSetOption : public QDialog {
  Q_OBJECT
 public:
  CDlgDelSetOption(const QString& setName, QWidget* parent = nullptr);
  /// "物理删除删除所包含的文件" is ticked (off at first).
  bool DeleteFiles() const;

 private:
  QCheckBox* deleteFiles_;
};

}  // namespace ovelin
