// What the archiving wizard decides about its rows without a window: filling a
// row from a recorded item, the merged display, sets and values applied to
// rows, destinations, descriptions and the batch built on Finish.
#include <QTest>

#include "filing/url_parts.h"
#include "shell/filing/item_edit_rows.h"
#include "shell_test_support.h"
#include "suite_registry.h"

namespace ovelin::test {
namespace {

const PropertyDefinition kPages{"Pages", "NUMBER", "", "", "1", "Self"};
const PropertyDefinition kLang{"Lang", "STRING", "", "", "zh", "Self"};
const PropertyDefinition kPagesText{"Pages", "STRING", "", "", "", "Self"};

ItemEditRow Row(const std::string& name, NameList sets, std::vector<std::string> values) {
  ItemEditRow row;
  row.name = name;
  row.url = "file:///in/" + name;
  row.basePath = "/in/" + name;
  row.sets = std::move(sets);
  row.values = std::move(values);
  return row;
}

}  // namespace

class ItemEditRowsTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<StoreFixture> fixture_;

 private slots:
  void init() {
    fixture_ = std::make_unique<StoreFixture>();
    const std::string root = fixture_->root();
    fixture_->store().SetStorePath(root, "/store", StorePathKind::UsrDef);
    fixture_->AddSet("A", {root});
    fixture_->AddSet("B", {root});
    fixture_->AddSet("C", {root});
    fixture_->AddSet("Books", {root}, {kPages, kLang});
    fixture_->AddSet("Texts", {root}, {kPagesText});
  }
  void cleanup() { fixture_.reset(); }

  void recordedItemKeepsItsNameSetsAndValues() {
    CFileSetStore& store = fixture_->store();
    CFileItem item("stored name", "file:///in/a.txt");
    item.SetDescription("line<br>two");
    item.AppendPropertyEntry("Pages;12");
    item.AddOwningSet("A");
    item.AddOwningSet("B");
    store.PutRootItem(item);

    const ItemEditRow row = MakeItemRow(store, {"a.txt", "file:///in/a.txt", "C", 0});
    QCOMPARE(row.sets, (NameList{"A", "B", "C"}));
    QCOMPARE(row.name, std::string("stored name"));
    QCOMPARE(row.description, std::string("line<br>two"));
    QCOMPARE(row.values, (std::vector<std::string>{"Pages;12"}));
    QCOMPARE(row.basePath, std::string("/in/a.txt"));
    QVERIFY(row.pigPathSet.empty());

    const ItemEditRow web = MakeItemRow(store, {"页", "http://example.com/x", "", 0});
    QCOMPARE(web.SourceText(), std::string("http://example.com/x"));
    QVERIFY(web.basePath.empty());
    QVERIFY(RowDestination(store, web).empty());
  }

  void mergedDisplayShowsWhatRowsShare() {
    CFileSetStore& store = fixture_->store();
    ItemEditRow first = Row("a.txt", {"A", "Books"}, {"Pages;3", "Lang;en"});
    ItemEditRow second = Row("b.txt", {"Books", "C"}, {"Lang;en", "Pages;5", "Extra;x"});
    first.pigPathSet = second.pigPathSet = "Books";
    const MergedRows merged = MergeRows(store, {&first, &second});
    QCOMPARE(merged.name, std::string(kDifferingText));
    QCOMPARE(merged.pigPathSet, std::string("Books"));
    QCOMPARE(merged.commonSets, (NameList{"Books"}));
    QCOMPARE(merged.values, (std::vector<std::string>{"Pages;" + std::string(kDifferingValue), "Lang;en"}));
    QCOMPARE(merged.destination, std::string(kDifferingText));
    QCOMPARE(RowDestination(store, first), std::string("/store/Books/a.txt"));
    QVERIFY(!merged.anyWebAddress);

    // Editing another property keeps the differing values of each row.
    for (ItemEditRow* row : {&first, &second}) ApplyValues(*row, merged.values);
    ApplyValues(first, {"Lang;de", "Missing;1"});
    QCOMPARE(first.values, (std::vector<std::string>{"Pages;3", "Lang;de"}));
    QCOMPARE(second.values, (std::vector<std::string>{"Lang;en", "Pages;5", "Extra;x"}));

    ItemEditRow web = Row("w", {}, {});
    web.url = "https://example.com/";
    QVERIFY(MergeRows(store, {&first, &web}).anyWebAddress);
  }

  void setsBringAndTakeTheirValues() {
    CFileSetStore& store = fixture_->store();
    ItemEditRow row = Row("a.txt", {"A"}, {});
    row.pigPathSet = "Books";
    QVERIFY(ChangeRowSet(store, row, "Books", true));
    QCOMPARE(row.values, (std::vector<std::string>{"Pages;1", "Lang;zh"}));
    QVERIFY(ChangeRowSet(store, row, "Books", false));
    QVERIFY(row.values.empty());
    QVERIFY(row.pigPathSet.empty());  // a set left behind is no longer the destination

    // Pages as a number in one set and as text in the other: the sets change, the values do not.
    QVERIFY(ChangeRowSet(store, row, "Books", true));
    QVERIFY(!ChangeRowSet(store, row, "Texts", true));
    QCOMPARE(row.sets, (NameList{"A", "Books", "Texts"}));
    QCOMPARE(row.values.size(), size_t(2));
  }

  void descriptionsAndBatch() {
    QCOMPARE(DescriptionForEditing("a<br>b<br>"), std::string("a\nb\n"));
    QCOMPARE(DescriptionForStoring("a\r\nb\nc"), std::string("a<br>b<br>c"));
    QCOMPARE(DescriptionForStoring(DescriptionForEditing("x<br><br>y")), std::string("x<br><br>y"));

    std::vector<ItemEditRow> rows{Row("a.txt", {"A", "B"}, {"Pages;2"}), Row("b.txt", {}, {})};
    rows[0].description = "d";
    rows[0].pigPathSet = "A";
    const auto batch = BuildBatch(rows);
    QVERIFY(batch.has_value());
    QCOMPARE(batch->size(), size_t(2));
    const ITEM_PIGEONHOLE_STRUCT& first = batch->front();
    QCOMPARE(first.Name, std::string("a.txt"));
    QCOMPARE(first.BelongSets, std::string("A;B"));
    QCOMPARE(first.PigPathSet, std::string("A"));
    QCOMPARE(first.Url, std::string("file:///in/a.txt"));
    QCOMPARE(first.BasePath, std::string("/in/a.txt"));
    QCOMPARE(first.Description, std::string("d"));
    QCOMPARE(first.PropValueAry, (std::vector<std::string>{"Pages;2"}));

    rows[1].name.clear();
    QVERIFY(!BuildBatch(rows).has_value());
  }
};

OVELIN_SHELL_SUITE("ItemEditRows", ItemEditRowsTest)

}  // namespace ovelin::test

#include "item_edit_rows_test.moc"
