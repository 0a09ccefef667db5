#include "shell/query/result_rows.h"

#include <QCoreApplication>

#include <algorithm>
#include <numeric>
#include <optional>

#include "filing/url_parts.h"
#include "query/expression_evaluator.h"
#include "query/item_set_ops.h"
#include "query/keyword_search.h"
#include "shell/app/qt_text.h"
#include "shell/query/item_type.h"

namespace ovelin {
namespace {

// A code unit moved so that comparing units orders texts by code point, which is
// the byte order of their UTF-8 form (the name order): surrogates go above U+FFFF.
int CodePointUnit(QChar c) {
  const int unit = c.unicode();
  if (unit < 0xD800) return unit;
  return unit >= 0xE000 ? unit - 0x800 : unit + 0x2000;
}

// The name order on QStrings without converting them to UTF-8.
int CompareNames(const QString& a, const QString& b) {
  const qsizetype common = std::min(a.size(), b.size());
  for (qsizetype i = 0; i < common; ++i) {
    if (a[i] != b[i]) return CodePointUnit(a[i]) - CodePointUnit(b[i]);
  }
  return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

int CompareValues(const ResultRow& a, const ResultRow& b, ResultColumn column) {
  switch (column) {
    case ResultColumn::Name:
      return CompareNames(a.name, b.name);
    case ResultColumn::Type:
      return CompareNames(a.typeText, b.typeText);
    case ResultColumn::Count:
      return a.count - b.count;
    case ResultColumn::Path:
      return CompareNames(a.ShownPath(), b.ShownPath());
    case ResultColumn::Rank:
      return a.rank - b.rank;
  }
  return 0;
}

bool RowLess(const ResultRow& a, const ResultRow& b, ResultColumn column) {
  if (a.group != b.group) return column == ResultColumn::Count ? !a.group : a.group;
  return CompareValues(a, b, column) < 0;
}

ResultRow GroupRow(const QString& member, int count) {
  ResultRow row;
  row.group = true;
  row.name = member;
  row.typeText = GroupTypeText();
  row.count = count;
  return row;
}

// The number of the member's items that the result holds.
int SharedCount(const ItemList& result, const ItemList& memberItems) {
  int count = 0;
  for (const CFileItem& item : memberItems) count += result.Find(item.GetPath()) ? 1 : 0;
  return count;
}

// Splits `text` at `separator` where it stands outside double quotes; at most
// `maxParts` parts (the last takes the rest).
QStringList SplitOutsideQuotes(const QString& text, QChar separator, qsizetype maxParts) {
  QStringList parts;
  bool quoted = false;
  qsizetype start = 0;
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i] == QLatin1Char('"')) quoted = !quoted;
    if (quoted || text[i] != separator || parts.size() + 1 >= maxParts) continue;
    parts.append(text.mid(start, i - start));
    start = i + 1;
  }
  parts.append(text.mid(start));
  return parts;
}

}  // namespace

std::vector<ResultColumn> ResultColumns(bool grouped, bool ranked) {
  std::vector<ResultColumn> columns{ResultColumn::Name, ResultColumn::Type};
  if (grouped) columns.push_back(ResultColumn::Count);
  columns.push_back(ResultColumn::Path);
  if (ranked) columns.push_back(ResultColumn::Rank);
  return columns;
}

QString ColumnTitle(ResultColumn column) {
  switch (column) {
    case ResultColumn::Name:
      return QCoreApplication::translate("ovelin::CQueryResList", "名称");
    case ResultColumn::Type:
      return QCoreApplication::translate("ovelin::CQueryResList", "类型");
    case ResultColumn::Count:
      return QCoreApplication::translate("ovelin::CQueryResList", "包含项目数");
    case ResultColumn::Path:
      return QCoreApplication::translate("ovelin::CQueryResList", "路径");
    case ResultColumn::Rank:
      return QCoreApplication::translate("ovelin::CQueryResList", "关键字等级");
  }
  return {};
}

int ColumnWidthInChars(ResultColumn column) {
  switch (column) {
    case ResultColumn::Name:
      return 30;
    case ResultColumn::Type:
      return 25;
    case ResultColumn::Path:
      return 50;
    case ResultColumn::Count:
    case ResultColumn::Rank:
      return 13;
  }
  return 20;
}

ResultRow ItemRow(const CFileItem& item) {
  ResultRow row;
  row.name = ToQ(item.GetName());
  row.path = ToQ(item.GetPath());
  row.description = ToQ(item.GetDescription());
  row.sets = ToQ(JoinNames(item.GetOwningSets()));
  row.rank = KeywordRankOf(item);
  if (const std::optional<std::string> local = LocalPathOfUrl(item.GetPath())) {
    row.localPath = ToQ(*local);
    const ItemType type = LocalFileType(row.localPath);
    row.typeText = type.text;
    row.mimeName = type.mimeName;
  } else {
    row.typeText = HyperlinkTypeText();
  }
  return row;
}

GroupingEntry SplitGroupingEntry(const QString& entry) {
  const QStringList halves = SplitOutsideQuotes(entry, QLatin1Char(':'), 2);
  GroupingEntry split{halves.constFirst(), {}};
  if (halves.size() == 2) split.members = SplitOutsideQuotes(halves[1], QLatin1Char(';'), entry.size() + 1);
  return split;
}

std::vector<ResultRow> BuildResultRows(const CFileSetStore& store, const ItemList& result, const QStringList& members) {
  std::vector<ResultRow> rows;
  ItemList remainder = result;
  for (const QString& member : members) {
    const std::optional<EvaluationResult> evaluated = EvaluateExpression(store, ToStd(member));
    if (!evaluated) continue;
    const int count = SharedCount(result, evaluated->items);
    if (count > 0) rows.push_back(GroupRow(member, count));
    remainder = SubtractItems(std::move(remainder), evaluated->items);
  }
  rows.reserve(rows.size() + remainder.size());
  for (const CFileItem& item : remainder) rows.push_back(ItemRow(item));
  return rows;
}

std::vector<size_t> SortedRowOrder(const std::vector<ResultRow>& rows, ResultColumn column, bool ascending) {
  std::vector<size_t> order(rows.size());
  std::iota(order.begin(), order.end(), size_t{0});
  std::stable_sort(order.begin(), order.end(), [&rows, column, ascending](size_t a, size_t b) {
    return ascending ? RowLess(rows[a], rows[b], column) : RowLess(rows[b], rows[a], column);
  });
  return order;
}

}  // namespace ovelin
