#pragma once
// Where the help page is found at run time.

#include <QString>

namespace ovelin {

/// The first existing of: <program folder>/help/index.html,
/// <program folder>/../share/ovelin/help/index.html and the source tree's
/// resources/help/index.html; empty when none exists.
QString HelpPagePath();

}  // namespace ovelin
