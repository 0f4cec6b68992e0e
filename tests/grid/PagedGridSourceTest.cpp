// The paged grid over a list it reads a page at a time: the same pages as a list held
// whole, only the shown page read, edits and save marks kept while the page moves, and
// records that cannot be read shown empty and never written back.
#include "grid/PagedGridState.h"

#include <gtest/gtest.h>

namespace {

using grid::PagedGridState;
using grid::Record;

std::vector<Record> numbered(int count) {
  std::vector<Record> records;
  for (int n = 0; n < count; ++n) {
    Record r;
    for (int f = 0; f < grid::kCatalogueFields; ++f)
      r.fields.push_back(f == 0 ? QStringLiteral("r%1").arg(n) : QStringLiteral("%1.%2").arg(n).arg(f));
    records.push_back(r);
  }
  return records;
}

// A list of numbered records that counts what it was asked for, and fails while told to.
struct CountingSource : grid::RecordSource {
  explicit CountingSource(int count, int* fetched, bool* failing = nullptr)
      : records(numbered(count)), fetched(fetched), failing(failing) {}
  int count() const override { return static_cast<int>(records.size()); }
  std::vector<Record> fetch(int first, int n) override {
    if (failing && *failing) return {};
    *fetched += n;
    return {records.begin() + first, records.begin() + first + n};
  }
  std::vector<Record> records;
  int* fetched;
  bool* failing;
};

PagedGridState lazyCatalogue(int count, int* fetched, bool* failing = nullptr) {
  PagedGridState state(grid::catalogueGrid());
  state.setSource(std::make_unique<CountingSource>(count, fetched, failing));
  return state;
}

TEST(PagedGridSource, ShowsEveryPageAsTheWholeListWouldAndReadsOnlyAroundIt) {
  for (const int count : {0, 1, 20, 21, 22, 100, 1000}) {
    SCOPED_TRACE(count);
    int fetched = 0;
    PagedGridState lazy = lazyCatalogue(count, &fetched);
    PagedGridState whole(grid::catalogueGrid());
    whole.setRecords(numbered(count));
    EXPECT_EQ(lazy.recordCount(), count);
    EXPECT_EQ(lazy.modelSize(), whole.modelSize());
    EXPECT_EQ(lazy.barMax(), whole.barMax());
    EXPECT_EQ(lazy.addTarget().firstVisible, whole.addTarget().firstVisible);
    for (int first = 0; first <= whole.barMax(); first += first < 40 ? 1 : 97) {
      lazy.showPage(first);
      whole.showPage(first);
      const int before = fetched;
      for (int row = 0; row < 21; ++row)
        for (int column = 0; column < grid::kCatalogueFields; ++column)
          ASSERT_EQ(lazy.cellText(row, column), whole.cellText(row, column)) << first << " " << row << " " << column;
      // A page reads at most itself and the pages either side of it.
      EXPECT_LE(fetched - before, 63);
    }
    // Walking every record reads each about once, never the whole list per page.
    EXPECT_LE(fetched, 3 * count + 63);
  }
}

TEST(PagedGridSource, AnEditedOrMarkedRecordKeepsItsTextsWhenItsPageIsReadAgain) {
  int fetched = 0;
  PagedGridState state = lazyCatalogue(500, &fetched);
  state.showPage(100);
  ASSERT_TRUE(state.setCellText(3, grid::kCatDose, QStringLiteral("2粒")));
  state.markUnsaved(3, QStringLiteral("磁盘已满"));
  ASSERT_TRUE(state.setCellText(4, grid::kCatName, QStringLiteral("改名")));
  state.markSaved(4);

  state.showPage(400);  // far away: the pages read since hold other records
  EXPECT_EQ(state.unsavedRecords(), std::vector<int>{103});
  EXPECT_EQ(state.unsavedCount(), 1);
  state.showPage(0);
  state.showPage(100);
  EXPECT_EQ(state.cellText(3, grid::kCatDose), "2粒");
  EXPECT_EQ(state.cellText(3, grid::kCatName), "r103");
  EXPECT_EQ(state.rowStatus(3), "未保存：磁盘已满");
  EXPECT_EQ(state.rowColor(3), grid::kUnsavedColor);
  EXPECT_EQ(state.cellText(4, grid::kCatName), "改名");
  EXPECT_EQ(state.cellText(5, grid::kCatName), "r105");

  // A record marked by its index, off the page, and a typed blank record of the tail.
  state.markRecordUnsaved(7, QStringLiteral("锁定"));
  state.showPage(state.barMax());
  ASSERT_TRUE(state.setCellText(0, grid::kCatDose, QStringLiteral("10ml")));
  state.markUnsaved(0, QStringLiteral("请先输入药物名称"));
  EXPECT_EQ(state.unsavedRecords(), (std::vector<int>{7, 103, 500}));
  state.markRecordSaved(103);
  EXPECT_EQ(state.unsavedRecords(), (std::vector<int>{7, 500}));

  // A reload starts afresh.
  state.setSource(std::make_unique<CountingSource>(500, &fetched));
  EXPECT_EQ(state.unsavedCount(), 0);
  state.showPage(100);
  EXPECT_EQ(state.cellText(3, grid::kCatDose), "103.1");
}

TEST(PagedGridSource, RecordsThatCannotBeReadShowEmptyRefuseEditsAndAreReadAgain) {
  int fetched = 0;
  bool failing = true;
  PagedGridState state = lazyCatalogue(50, &fetched, &failing);
  EXPECT_EQ(state.cellText(0, grid::kCatName), "");
  EXPECT_TRUE(state.record(0).unreadable);
  EXPECT_FALSE(state.rowReadable(0));
  EXPECT_FALSE(state.setCellText(0, grid::kCatName, QStringLiteral("覆盖")));
  state.markUnsaved(0, QStringLiteral("x"));  // nothing of the user's is in it
  EXPECT_EQ(state.unsavedCount(), 0);

  failing = false;
  state.showPage(0);
  EXPECT_EQ(state.cellText(0, grid::kCatName), "r0");
  EXPECT_TRUE(state.rowReadable(0));
  // The blank rows after the list take entries as always.
  state.showPage(state.barMax());
  EXPECT_TRUE(state.setCellText(0, grid::kCatName, QStringLiteral("新")));
}

}  // namespace
