#pragma once
// Conversions between the core's UTF-8 std::string and Qt's QString.

#include <QString>
#include <QStringList>

#include <string>
#include <vector>

namespace ovelin {

/// A UTF-8 text as QString.
inline QString ToQ(const std::string& text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

/// A QString as UTF-8 text.
inline std::string ToStd(const QString& text) { return text.toUtf8().toStdString(); }

/// A list of UTF-8 names as QStringList, order kept.
inline QStringList ToQList(const std::vector<std::string>& names) {
  QStringList list;
  list.reserve(static_cast<qsizetype>(names.size()));
  for (const auto& name : names) list.append(ToQ(name));
  return list;
}

}  // namespace ovelin
