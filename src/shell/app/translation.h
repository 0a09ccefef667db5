#pragma once
// Qt's own Chinese texts, so that standard buttons read "确定" and "取消".

class QCoreApplication;

namespace ovelin {

/// Loads qtbase_zh_CN from Qt's translation folder; false when it is missing.
bool InstallQtChineseTranslation(QCoreApplication& app);

}  // namespace ovelin
