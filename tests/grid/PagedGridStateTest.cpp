// The paged grid without controls: pages, the bar's range, selection and stripes, the
// add target, the page after a delete, typed records and the save marks.
#include "grid/PagedGridState.h"

#include <gtest/gtest.h>

namespace {

using grid::PagedGridState;
using grid::Record;

// Records whose name field reads "r<n>" and whose every other field says where it is.
std::vector<Record> numbered(int count, int fields) {
  std::vector<Record> records;
  for (int n = 0; n < count; ++n) {
    Record r;
    for (int f = 0; f < fields; ++f) r.fields.push_back(f == 0 ? QStringLiteral("r%1").arg(n) : QStringLiteral("%1.%2").arg(n).arg(f));
    records.push_back(r);
  }
  return records;
}

PagedGridState catalogueWith(int count) {
  PagedGridState state(grid::catalogueGrid());
  state.setRecords(numbered(count, grid::kCatalogueFields));
  return state;
}

TEST(PagedGridState, CatalogueBarCountsRecordsAndItsLastPageIsBlank) {
  struct Case {
    int records;
    int max;
  } cases[] = {{0, 0}, {1, 1}, {30, 30}};
  for (const Case& c : cases) {
    PagedGridState state = catalogueWith(c.records);
    SCOPED_TRACE(c.records);
    EXPECT_TRUE(state.barEnabled());
    EXPECT_EQ(state.barMax(), c.max);
    // A page of 20 rows (the sideways bar stands in the 21st), and a page of blank
    // records after the records.
    EXPECT_EQ(state.rows(), 20);
    EXPECT_EQ(state.modelSize(), c.records + 20);
    // First page: the records, then blank rows that take new entries.
    for (int row = 0; row < 20; ++row)
      EXPECT_EQ(state.cellText(row, grid::kCatName), row < c.records ? QStringLiteral("r%1").arg(row) : QString());
    // Last page: only blank rows, still backed by records that a new entry fills.
    state.showPage(c.max);
    for (int row = 0; row < 20; ++row) {
      EXPECT_EQ(state.cellText(row, grid::kCatName), QString()) << row;
      EXPECT_GE(state.recordAt(row), 0);
    }
    // The bar never leaves its range.
    state.showPage(c.max + 5);
    EXPECT_EQ(state.firstVisible(), c.max);
  }
}

TEST(PagedGridState, CatalogueShowsPurchasePriceLeftOfSellingPriceFromTheirOwnFields) {
  PagedGridState state = catalogueWith(30);
  state.showPage(3);
  EXPECT_EQ(state.cellText(2, grid::kCatPrice), "5.6");
  EXPECT_EQ(state.cellText(2, grid::kCatCost), "5.7");
  EXPECT_EQ(state.cellText(2, grid::kCatKey), "5.10");
  // A typed cell goes into the record the row shows, not into the row's position.
  EXPECT_TRUE(state.setCellText(2, grid::kCatCost, QStringLiteral("2.5")));
  EXPECT_EQ(state.record(5).fields[7], "2.5");
  EXPECT_EQ(state.record(2).fields[7], "2.7");
  state.showPage(0);
  EXPECT_EQ(state.cellText(5, grid::kCatCost), "2.5");
}

TEST(PagedGridState, TextsWithTheOldFieldMarkStayInTheirField) {
  PagedGridState state = catalogueWith(1);
  const QString typed = QStringLiteral("阿莫西林€€0.25g");
  state.setCellText(0, grid::kCatName, typed);
  EXPECT_EQ(state.cellText(0, grid::kCatName), typed);
  EXPECT_EQ(state.cellText(0, grid::kCatDose), "0.1");
  EXPECT_EQ(state.record(0).fields.size(), 11u);
}

TEST(PagedGridState, LowStockBlankRowsHoldOneBlankPerField) {
  PagedGridState state(grid::catalogueGrid());
  state.setRecords(numbered(2, grid::kCatalogueFields), QStringLiteral(" "));
  EXPECT_EQ(state.cellText(2, grid::kCatName), " ");
  EXPECT_EQ(state.cellText(19, grid::kCatKey), " ");
  EXPECT_EQ(state.barMax(), 2);
}

TEST(PagedGridState, LabelGridMovesOnlyWithMoreRecordsThanRows) {
  struct Case {
    int records;
    bool enabled;
    int max;
  } cases[] = {{0, false, 0}, {5, false, 0}, {19, false, 0}, {20, true, 1}, {30, true, 11}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.records);
    PagedGridState state(grid::outpatientLogGrid());
    state.setRecords(numbered(c.records, 6));
    EXPECT_EQ(state.barEnabled(), c.enabled);
    EXPECT_EQ(state.barMax(), c.max);
    EXPECT_EQ(state.modelSize(), c.records);
    EXPECT_EQ(state.rows(), 19);
    for (int row = 0; row < 19; ++row) {
      EXPECT_EQ(state.recordAt(row), row < c.records ? row : -1);
      EXPECT_EQ(state.cellText(row, 0), row < c.records ? QStringLiteral("r%1").arg(row) : QString());
    }
    // The last page ends with the last record.
    state.showPage(c.max);
    if (c.enabled) { EXPECT_EQ(state.cellText(18, 0), QStringLiteral("r%1").arg(c.records - 1)); }
  }
}

TEST(PagedGridState, CollectionsMakeOneRecordPerItemNumber) {
  const std::vector<QStringList> collections = {{"张三", "李四", "王五"}, {"男", "女", "男"}, {"30", "41", "5"}};
  PagedGridState state(grid::outpatientLogGrid());
  state.setRecords(PagedGridState::fromCollections(collections));
  EXPECT_EQ(state.modelSize(), 3);
  EXPECT_EQ(state.cellText(1, 0), "李四");
  EXPECT_EQ(state.cellText(1, 1), "女");
  EXPECT_EQ(state.cellText(2, 2), "5");
  EXPECT_EQ(state.cellText(1, 5), "");  // a column the collections do not reach
}

TEST(PagedGridState, OneRowIsHighlightedAndTheOthersKeepTheirStripes) {
  PagedGridState state = catalogueWith(30);
  EXPECT_EQ(state.rowColor(0), QColor(249, 248, 245));
  EXPECT_EQ(state.rowColor(1), QColor(255, 255, 255));
  state.select(5);
  state.select(9);
  EXPECT_EQ(state.selectedRow(), 9);
  for (int row = 0; row < 20; ++row)
    EXPECT_EQ(state.rowColor(row), row == 9 ? QColor(0, 255, 255) : PagedGridState::stripeColor(row)) << row;
}

TEST(PagedGridState, PagingClearsTheSelectionEvenOnTheSamePage) {
  for (int page : {0, 1}) {
    PagedGridState state = catalogueWith(30);
    state.select(4);
    state.showPage(page);
    EXPECT_EQ(state.selectedRow(), -1);
    EXPECT_EQ(state.highlightedRow(), -1);
    EXPECT_EQ(state.rowColor(4), PagedGridState::stripeColor(4));
  }
  PagedGridState reloaded = catalogueWith(30);
  reloaded.select(4);
  reloaded.setRecords(numbered(3, 11));
  EXPECT_EQ(reloaded.selectedRow(), -1);
}

TEST(PagedGridState, SelectionFollowsTheWindowsRule) {
  // Sales details: the band lights up and nothing is remembered.
  PagedGridState details(grid::salesDetailGrid());
  details.setRecords(numbered(3, 10));
  details.select(1);
  EXPECT_EQ(details.rowColor(1), QColor(0, 255, 255));
  EXPECT_EQ(details.selectedRow(), -1);

  // Outpatient log: no selection at all.
  PagedGridState log(grid::outpatientLogGrid());
  log.setRecords(numbered(3, 6));
  log.select(1);
  EXPECT_EQ(log.rowColor(1), PagedGridState::stripeColor(1));

  // Purchase ledger: the record's key is the selection; an empty row selects nothing.
  PagedGridState ledger(grid::purchaseLedgerGrid());
  ledger.setRecords(numbered(30, 13));
  ledger.showPage(4);
  ledger.select(2);
  EXPECT_EQ(ledger.selectedKey(), "6.12");
  ledger.setRecords(numbered(3, 13));
  ledger.select(7);
  EXPECT_EQ(ledger.rowColor(7), QColor(0, 255, 255));
  EXPECT_EQ(ledger.selectedRow(), -1);
  EXPECT_EQ(ledger.selectedKey(), "");
}

TEST(PagedGridState, AddGoesToTheFirstBlankRecordWithTheLastTwoInSight) {
  struct Case {
    int records, first, row;
  } cases[] = {{0, 0, 0}, {1, 0, 1}, {2, 0, 2}, {30, 28, 2}};
  for (const Case& c : cases) {
    PagedGridState state = catalogueWith(c.records);
    const PagedGridState::AddTarget target = state.addTarget();
    EXPECT_EQ(target.firstVisible, c.first) << c.records;
    EXPECT_EQ(target.row, c.row) << c.records;
    state.showPage(target.firstVisible);
    EXPECT_EQ(state.recordAt(target.row), c.records) << "the first blank record";
  }
}

TEST(PagedGridState, AfterADeleteThePageStartsOneRecordEarlier) {
  struct Case {
    int recordsAfter, before, expected;
  } cases[] = {{29, 0, 0}, {29, 1, 0}, {29, 10, 9}, {5, 10, 5}, {0, 3, 0}};
  for (const Case& c : cases) {
    PagedGridState state = catalogueWith(c.recordsAfter);
    EXPECT_EQ(state.firstVisibleAfterDelete(c.before), c.expected) << c.recordsAfter << " " << c.before;
  }
}

TEST(PagedGridState, AnUnsavedMarkStaysWithItsRecordAcrossPages) {
  PagedGridState state = catalogueWith(30);
  state.markUnsaved(2, QStringLiteral("磁盘已满"));
  EXPECT_EQ(state.rowStatus(2), "未保存：磁盘已满");
  EXPECT_EQ(state.rowColor(2), grid::kUnsavedColor);
  state.showPage(1);
  EXPECT_EQ(state.rowStatus(1), "未保存：磁盘已满");
  EXPECT_EQ(state.rowColor(1), grid::kUnsavedColor);
  EXPECT_EQ(state.rowStatus(2), "");
  EXPECT_EQ(state.rowColor(2), PagedGridState::stripeColor(2));
  EXPECT_EQ(state.unsavedCount(), 1);
  state.select(1);
  EXPECT_EQ(state.rowColor(1), QColor(0, 255, 255));
  state.markSaved(1);
  EXPECT_EQ(state.unsavedCount(), 0);
  EXPECT_EQ(state.rowStatus(1), "");
  // A reason that says it was not saved is shown as it stands.
  state.markUnsaved(1, QStringLiteral("已在其他工作站删除，未保存"));
  EXPECT_EQ(state.rowStatus(1), "已在其他工作站删除，未保存");
}

}  // namespace
