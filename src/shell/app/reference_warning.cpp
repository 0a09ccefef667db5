#include "shell/app/reference_warning.h"

#include <QCoreApplication>

#include "query/view_set_references.h"
#include "shell/app/message_box.h"
#include "shell/app/qt_text.h"

namespace ovelin {

void WarnAboutReferences(QWidget* parent, const CFileSetStore& store, const QString& name) {
  const NameList referring = ViewSetsReferring(store, ToStd(name));
  if (referring.empty()) return;
  ShowWarning(parent, QCoreApplication::translate("ovelin::ReferenceWarning",
                                                  "以下视图集仍引用“%1”，运行它们将报告查询表达式错误：\n%2")
                          .arg(name, ToQList(referring).join(QLatin1Char('\n'))));
}

}  // namespace ovelin
