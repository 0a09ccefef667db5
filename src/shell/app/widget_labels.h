#pragma once
// Labels bound to their inputs, so that screen readers (and tests) find every
// control by its visible text.

#include <QString>

class QLabel;
class QWidget;

namespace ovelin {

/// The label text without "&" markers, line breaks and a trailing colon.
QString AccessibleText(const QString& labelText);

/// A label for `input`: the label is its buddy and `input` takes the label's
/// text as accessible name.
QLabel* MakeBuddyLabel(const QString& text, QWidget* input, QWidget* parent = nullptr);

/// Gives `widget` an accessible name and returns it.
template <typename T>
T* Named(T* widget, const QString& name) {
  widget->setAccessibleName(name);
  return widget;
}

}  // namespace ovelin
