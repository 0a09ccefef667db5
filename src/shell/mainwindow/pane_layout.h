#pragma once
// The forced proportions of the four panes.

#include <QList>
#include <QSize>

namespace ovelin {

struct PaneSizes {
  QList<int> outer;  // left column, right column
  QList<int> left;   // set tree, view set list
  QList<int> right;  // query panel, preview
};

/// For a client area W x H: columns W/3 and 2W/3; the set tree 2H/3 of the left
/// height; the query panel H/2 of the right height (integer division).
PaneSizes ComputePaneSizes(QSize client);

}  // namespace ovelin
