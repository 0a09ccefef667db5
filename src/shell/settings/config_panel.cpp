#include "shell/settings/config_panel.h"

#include <QCheckBox>

#include "shell/settings/config_copy.h"

namespace ovelin {

ConfigPanel::ConfigPanel(QWidget* parent) : QWidget(parent) {}

QCheckBox* ConfigPanel::AddBox(const QString& text, std::string_view section, std::string_view key, bool visible) {
  auto* box = new QCheckBox(text, this);
  box->setAccessibleName(text);
  box->setVisible(visible);
  if (!key.empty()) bindings_.append({box, std::string(section), std::string(key)});
  return box;
}

void ConfigPanel::ReadFrom(const ConfigCopy& config) {
  // Letter case is ignored as every reader of the configuration ignores it, so
  // that "TRUE" is not shown as off and then written back as "false".
  for (const Binding& binding : bindings_) {
    const QString value = QString::fromStdString(config.Get(binding.section, binding.key));
    binding.box->setChecked(value.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0);
  }
}

void ConfigPanel::WriteTo(ConfigCopy& config) const {
  for (const Binding& binding : bindings_) {
    config.Set(binding.section, binding.key, binding.box->isChecked() ? "true" : "false");
  }
}

}  // namespace ovelin
