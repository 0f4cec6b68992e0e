// Which stored texts go out as number cells, and with which format.
#include "spreadsheet/Workbook.h"

#include <gtest/gtest.h>

namespace {

using spreadsheet::Cell;

TEST(CellFromStoredText, OnlyPlainDecimalsThatShowAsWrittenBecomeNumbers) {
  struct Case {
    const char16_t* stored;
    bool number;
    double value;
    const char* format;
  };
  const Case cases[] = {
      {u"15.000", true, 15, "0.000"},
      {u"13", true, 13, "0"},
      {u"0", true, 0, "0"},
      {u"0.5", true, 0.5, "0.0"},
      {u"-3", true, -3, "0"},
      {u"1.23", true, 1.23, "0.00"},
      {u"123456789012345", true, 123456789012345.0, "0"},  // 15 digits: exact
      {u"0.000000000000001", true, 1e-15, "0.000000000000000"},
      {u"007", false, 0, ""},
      {u"00.5", false, 0, ""},
      {u"1234567890123456", false, 0, ""},  // 16 digits would lose the last one
      {u"1.", false, 0, ""},
      {u".5", false, 0, ""},
      {u"+3", false, 0, ""},
      {u"-0", false, 0, ""},
      {u"-0.00", false, 0, ""},
      {u"1e5", false, 0, ""},
      {u" 12", false, 0, ""},
      {u"12 ", false, 0, ""},
      {u"１２", false, 0, ""},  // full-width digits
      {u"2024-03-05", false, 0, ""},
      {u"13800138000a", false, 0, ""},
      {u"阿莫西林", false, 0, ""},
  };
  for (const Case& c : cases) {
    const QString stored = QString::fromUtf16(c.stored);
    const Cell cell = Cell::fromStoredText(stored);
    SCOPED_TRACE(stored.toStdString());
    if (c.number) {
      ASSERT_EQ(cell.kind(), Cell::Kind::Number);
      EXPECT_EQ(cell.numberValue(), c.value);
      EXPECT_EQ(cell.format().toStdString(), c.format);
    } else {
      ASSERT_EQ(cell.kind(), Cell::Kind::Text);
      EXPECT_EQ(cell.textValue(), stored);
    }
    EXPECT_EQ(cell.shownText(), stored);  // a reader shows what was stored
  }
  EXPECT_EQ(Cell::fromStoredText("").kind(), Cell::Kind::Empty);
}

}  // namespace
