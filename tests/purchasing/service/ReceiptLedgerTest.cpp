// The ledger's read: receipts are counted before any is read, the count takes exactly the
// receipts the list takes (category, dates, name as typed), and a range over the cap reads
// none.
#include "purchasing/service/ReceiptLedger.h"
#include "store/Purchases.h"
#include "purchasing/service/PurchaseFixture.h"

#include <QDate>

namespace {

class ReceiptLedgerTest : public testing_support::PurchaseStoreTest {
 protected:
  void receipt(const QString& date, const QString& name, const QString& category) {
    store::Database d(stockPath);
    SQLite::Statement q(d.sql(), R"(INSERT INTO "进货管理" ("日期", "品名", "分类", "序号") VALUES (?, ?, ?, ?))");
    store::bindText(q, 1, date);
    store::bindText(q, 2, name);
    store::bindText(q, 3, category);
    store::bindText(q, 4, QString::number(++keys));
    q.exec();
  }
  int keys = 0;
};

TEST_F(ReceiptLedgerTest, TheCountTakesExactlyTheReceiptsTheListTakes) {
  receipt("2024-03-01", "阿莫西林[24粒]", "西成药");
  receipt("2024-03-31", "AMOXI片", "西成药");
  receipt("2024-03-15", "amoxi片", "西成药·抗生素");  // another category: never the same
  receipt("2024-04-01", "阿莫西林", "西成药");         // the day after the range
  receipt("2024-02-29", "黄芪", "中药");
  receipt("2024-03-10", "100%酒精", "西成药");
  receipt("2024-03-11", "100x酒精", "西成药");
  store::Database db(stockPath);
  store::Purchases purchases(db);
  const char* filters[] = {"", "amoxi", "AMOXI", "阿莫", "100%", "_", "黄芪", "无此药"};
  for (const char* category : {"西成药", "中药", "西成"}) {
    for (const char* name : filters) {
      SCOPED_TRACE(std::string(category) + " " + name);
      const int listed = static_cast<int>(purchases.ledger(name, category, "2024-03-01", "2024-03-31", 100).size());
      EXPECT_EQ(purchases.ledgerCount(name, category, "2024-03-01", "2024-03-31", 100), listed);
      EXPECT_EQ(purchases.ledgerCount(name, category, "2024-03-01", "2024-03-31", 1), std::min(listed, 1));
    }
  }
}

TEST_F(ReceiptLedgerTest, ARangeOverTheCapIsRefusedWithoutReadingAReceipt) {
  for (int day = 1; day <= 4; ++day) receipt(QStringLiteral("2024-05-0%1").arg(day), "甘草", "中药");
  const text::DateRange may{QDate(2024, 5, 1), QDate(2024, 5, 31)};
  const struct {
    int cap;
    bool tooMany;
    size_t listed;
  } cases[] = {{3, true, 0}, {4, false, 4}, {30000, false, 4}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.cap);
    const purchasing::LedgerOutcome read = purchasing::readLedger(stockPath, "", "中药", may, c.cap);
    EXPECT_TRUE(read.reason.isEmpty());
    EXPECT_EQ(read.tooMany, c.tooMany);
    EXPECT_EQ(read.rows.size(), c.listed);
  }
  // Newest key first.
  const purchasing::LedgerOutcome read = purchasing::readLedger(stockPath, "", "中药", may, 4);
  EXPECT_EQ(read.rows.front().fields[store::kLedgerDate], "2024-05-04");
}

}  // namespace
