// The stored forms of a prescription record: the priced grid's packing and its reader,
// and the two keys made from the patient's name.
#include "prescription/service/PricingGridPacking.h"
#include "prescription/service/SaveFormatting.h"
#include "text/SearchKeys.h"

#include <QStringList>

#include <gtest/gtest.h>

namespace {

using namespace prescription;

QString u16(const char16_t* s) { return QString::fromUtf16(s); }

// A row whose nine cells are the name followed by the column number ("A0" .. "A8").
PricedRow row(const QString& name) {
  PricedRow r;
  for (int c = 0; c < kGridColumns; ++c) r[c] = c == kName ? name : name + QString::number(c);
  return r;
}

// The packing of rows with the given names, built group by group.
QString packingOf(const QStringList& names) {
  QString packing;
  for (int c = 0; c < kGridColumns; ++c) {
    for (const QString& n : names) packing += (c == kName ? n : n + QString::number(c)) + u'@';
    packing += u'$';
  }
  return packing;
}

TEST(PricingGridPacking, PacksRowsUpToTheFirstRowWithoutAName) {
  PricedGrid empty;
  EXPECT_EQ(PricingGridPacking(empty), QStringLiteral("$$$$$$$$$"));

  PricedGrid gap;
  gap[0] = row("A");
  gap[1] = row("B");
  gap[2] = row("C");
  gap[3][kQuantity] = "9";  // a row without a name ends the packing
  gap[4] = row("E");
  EXPECT_EQ(PricingGridPacking(gap), packingOf({"A", "B", "C"}));

  PricedGrid full;
  QStringList names;
  for (int i = 0; i < kGridRows; ++i) {
    names << QStringLiteral("N%1").arg(i);
    full[i] = row(names.back());
  }
  const QString packed = PricingGridPacking(full);
  EXPECT_EQ(packed, packingOf(names));
  EXPECT_EQ(packed.count(u'@'), kGridRows * kGridColumns);
}

TEST(PricingGridPacking, KeepsEveryCellOfAPackedRowInItsPlace) {
  PricedGrid grid;
  grid[0] = row("A");
  grid[1] = row("B");
  grid[0][kQuantity] = "";              // an empty cell inside a packed row
  grid[1][kName] = u16(u"维生素[B1]片@");  // "@" and "$" typed into cells
  grid[1][kUnit] = "$";
  const QString packed = PricingGridPacking(grid);
  EXPECT_TRUE(packed.startsWith(u16(u"A@维生素[B1]片＠@$@B1@$A2@＄@$")));
  EXPECT_EQ(packed.count(u'$'), kGridColumns);

  const PricedGrid back = unpackPricingGrid(packed);
  EXPECT_EQ(back[0], grid[0]);
  EXPECT_EQ(back[1][kName], u16(u"维生素[B1]片＠"));
  EXPECT_EQ(back[1][kUnit], u16(u"＄"));
  EXPECT_EQ(back[1][kCost], "B8");
  EXPECT_EQ(back[2], PricedRow{});
}

TEST(PricingGridPacking, ReaderTakesWhatACorruptedPackingHolds) {
  struct Case {
    const char* what;
    QString packing;
    int filledCells;
    // some of the filled cells as (row, column, text)
    std::vector<std::tuple<int, int, QString>> cells;
  };
  QString eighty;
  for (int i = 0; i < 80; ++i) eighty += QStringLiteral("N%1@").arg(i);
  const Case cases[] = {
      {"empty text", "", 0, {}},
      {"two groups only", "A@B@$1@2@$", 4, {{0, kName, "A"}, {1, kName, "B"}, {0, kQuantity, "1"}, {1, kQuantity, "2"}}},
      {"no group end at all", "A@B@", 0, {}},
      {"group without its last @", "A@B$1@2$", 2, {{0, kName, "A"}, {0, kQuantity, "1"}}},
      {"more groups than columns", "A@$$$$$$$$$X@$", 1, {{0, kName, "A"}}},
      {"80 cells in a group", eighty + "$", kGridRows, {{0, kName, "N0"}, {70, kName, "N70"}}},
  };
  for (const Case& c : cases) {
    const PricedGrid grid = unpackPricingGrid(c.packing);
    int filled = 0;
    for (const PricedRow& r : grid)
      for (const QString& cell : r) filled += cell.isEmpty() ? 0 : 1;
    EXPECT_EQ(filled, c.filledCells) << c.what;
    for (const auto& [r, col, text] : c.cells) EXPECT_EQ(grid[r][col], text) << c.what;
  }
}

TEST(RecordKeys, NameInitialsAndPatientKeys) {
  struct Case {
    const char16_t* name;
    const char* age;
    const char16_t* initialsKey;
    const char16_t* patientKey;
  };
  const Case cases[] = {
      {u"张三", "35", u"张三-zs", u"张三zs1989"},
      {u"张三", "35岁", u"张三-zs", u"张三zs1989"},
      {u" 张三", "35", u" 张三-", u" 张三zs1989"},     // no initials after a leading blank
      {u"张三  ", "35", u"张三  -zs", u"张三  zs1989"},  // trailing blanks kept in front of the initials
      {u"张三", "35.5", u"张三-zs", u"张三zs1988.5"},
      {u"张三", "3月", u"张三-zs", u"张三zs2024"},       // months are no number: age 0
      {u"O'Brien", "40y", u"O'Brien-obrien", u"O'Brienobrien1984"},
  };
  for (const Case& c : cases) {
    const QString name = u16(c.name);
    EXPECT_EQ(text::NameInitialsKey(name), u16(c.initialsKey)) << name.toStdString();
    EXPECT_EQ(text::PatientKey(name, birthYearText(QString::fromUtf8(c.age), 2024)), u16(c.patientKey))
        << name.toStdString();
  }
}

}  // namespace
