#pragma once
// A page of the settings dialog: check boxes bound to configuration values
// ("true" when ticked). Boxes that are not shown still carry their values.

#include <QList>
#include <QString>
#include <QWidget>

#include <string>

class QCheckBox;

namespace ovelin {

class ConfigCopy;

class ConfigPanel : public QWidget {
  Q_OBJECT
 public:
  explicit ConfigPanel(QWidget* parent = nullptr);

  /// Ticks each box whose value reads "true" in any letter case.
  void ReadFrom(const ConfigCopy& config);
  /// Writes every bound box, shown or not, as "true" or "false".
  void WriteTo(ConfigCopy& config) const;

 protected:
  /// A check box bound to `section`/`key`; an empty key binds nothing.
  QCheckBox* AddBox(const QString& text, std::string_view section, std::string_view key, bool visible);

 private:
  struct Binding {
    QCheckBox* box;
    std::string section;
    std::string key;
  };
  QList<Binding> bindings_;
};

}  // namespace ovelin
