#include "shell/app/widget_labels.h"

#include <QLabel>
#include <QWidget>

namespace ovelin {

QString AccessibleText(const QString& labelText) {
  // Only the first line names the input; further lines are hints such as "(限80字)".
  QString text = labelText.section(QLatin1Char('\n'), 0, 0);
  text.remove(QLatin1Char('&'));
  text = text.trimmed();
  while (text.endsWith(QLatin1Char(':')) || text.endsWith(QStringLiteral("："))) text.chop(1);
  return text;
}

QLabel* MakeBuddyLabel(const QString& text, QWidget* input, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setBuddy(input);
  input->setAccessibleName(AccessibleText(text));
  return label;
}

}  // namespace ovelin
