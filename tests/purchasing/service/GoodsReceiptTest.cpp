#include "purchasing/service/GoodsReceipt.h"
#include "purchasing/service/PurchaseFixture.h"
#include "store/JointTransaction.h"
#include "store/Purchases.h"

#include <QThread>

#include <atomic>
#include <thread>

namespace {

using purchasing::ReceiptOutcome;
using Status = purchasing::ReceiptOutcome::Status;

class GoodsReceiptTest : public testing_support::PurchaseStoreTest {
 protected:
  purchasing::ReceiptInput receipt(const QString& name, const QString& quantity, const QString& category = "西成药") {
    purchasing::ReceiptInput in;
    in.date = QStringLiteral("2019-02-03");
    in.name = name;
    in.unit = QStringLiteral("盒");
    in.quantity = quantity;
    in.cost = QStringLiteral("1.5");
    in.price = QStringLiteral("2.1");
    in.supplier = QStringLiteral("供货甲");
    in.maker = QStringLiteral("厂家乙");
    in.batch = QStringLiteral("B01");
    in.expiry = QStringLiteral("2021-01");
    in.amount = QStringLiteral("15.000");
    in.key = QStringLiteral("20190203101010");
    in.category = category;
    return in;
  }
};

// What a receipt books into the three tables, and the number forms it keeps.
TEST_F(GoodsReceiptTest, BooksReceiptDefaultsAndCatalogueWithTheirNumberForms) {
  addDrug("维C{100片}", "西成药·维生素", "7");
  purchasing::ReceiptInput in = receipt("维C[100片]", "10.50");
  in.amount = QStringLiteral("12.500");
  in.date = QStringLiteral("2019-2-3");
  const ReceiptOutcome out = purchasing::bookReceipt(mainPath, stockPath, in);
  ASSERT_EQ(out.status, Status::Booked) << out.reason.toStdString();
  EXPECT_EQ(out.newStock, "17.5");

  EXPECT_EQ(stockColumn("进货管理", "日期"), QStringList{"2019-02-03"});
  EXPECT_EQ(stockColumn("进货管理", "品名"), QStringList{"维C[100片]"});
  EXPECT_EQ(stockColumn("进货管理", "数量"), QStringList{"10.5"});
  EXPECT_EQ(stockColumn("进货管理", "库存"), QStringList{"17.5"});
  EXPECT_EQ(stockColumn("进货管理", "备注"), QStringList{"12.5"});
  EXPECT_EQ(stockColumn("进货管理", "分类"), QStringList{"西成药"});
  EXPECT_EQ(stockColumn("进货管理", "备用"), QStringList{""});
  EXPECT_EQ(stockColumn("进货模板", "名称"), QStringList{"维C[100片]"});
  EXPECT_EQ(stockColumn("进货模板", "备注"), QStringList{"12.500"});
  EXPECT_EQ(catalogue("维C{100片}", "斗位"), "17.5");
  EXPECT_EQ(catalogue("维C{100片}", "单价"), "2.100");
  EXPECT_EQ(catalogue("维C{100片}", "备用1"), "1.500");

  // The second receipt of the drug updates its defaults instead of adding a row.
  in.supplier = QStringLiteral("供货丙");
  in.quantity = QStringLiteral("十盒");  // not a number: books 0
  ASSERT_EQ(purchasing::bookReceipt(mainPath, stockPath, in).status, Status::Booked);
  EXPECT_EQ(stockColumn("进货模板", "供货单位"), QStringList{"供货丙"});
  EXPECT_EQ(stockColumn("进货管理", "数量"), (QStringList{"10.5", "0"}));
  EXPECT_EQ(catalogue("维C{100片}", "斗位"), "17.5");

  store::Database db(stockPath);
  const auto defaults = store::Purchases(db).defaultsFor("维C[100片]");
  ASSERT_TRUE(defaults.has_value());
  EXPECT_EQ(defaults->supplier, "供货丙");
  EXPECT_EQ(defaults->batch, "B01");
}

// The stock written is the one stored at the save plus the quantity, never a value the
// window showed earlier: another workstation may have changed it since the pick.
TEST_F(GoodsReceiptTest, NewStockIsTheStoredStockPlusTheQuantity) {
  addDrug("阿莫西林", "西成药·抗生素", "");
  ASSERT_EQ(purchasing::bookReceipt(mainPath, stockPath, receipt("阿莫西林", "10")).status, Status::Booked);
  EXPECT_EQ(catalogue("阿莫西林", "斗位"), "10");
  store::Database(mainPath).exec(R"(UPDATE "商品" SET "斗位" = ' 4 ' WHERE "名称" = '阿莫西林')");
  ASSERT_EQ(purchasing::bookReceipt(mainPath, stockPath, receipt("阿莫西林", "10")).status, Status::Booked);
  EXPECT_EQ(catalogue("阿莫西林", "斗位"), "14");
  EXPECT_EQ(stockColumn("进货管理", "库存"), (QStringList{"10", "14"}));
}

// Refused receipts write nothing at all.
TEST_F(GoodsReceiptTest, RefusedReceiptsWriteNothing) {
  addDrug("阿莫西林", "西成药·抗生素", "5");
  addDrug("当归", "中药", "5");
  struct Case {
    const char* what;
    purchasing::ReceiptInput input;
    Status expected;
  } cases[] = {
      {"unknown drug", receipt("青霉素", "3"), Status::MissingDrug},
      {"blank after the name", receipt("阿莫西林 ", "3"), Status::MissingDrug},
      {"other category", receipt("当归", "3", "西成药"), Status::MissingDrug},
      {"date is no date", [&] { auto r = receipt("阿莫西林", "3"); r.date = "2019-02-30"; return r; }(), Status::BadDate},
      {"empty date", [&] { auto r = receipt("阿莫西林", "3"); r.date = ""; return r; }(), Status::BadDate},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(purchasing::bookReceipt(mainPath, stockPath, c.input).status, c.expected) << c.what;
    EXPECT_EQ(count("进货管理"), 0) << c.what;
    EXPECT_EQ(count("进货模板"), 0) << c.what;
    EXPECT_EQ(catalogue("阿莫西林", "斗位"), "5") << c.what;
  }
}

// Only the row that was picked goes; its own quantity comes off its own drug's stock.
TEST_F(GoodsReceiptTest, DeleteRemovesExactlyOneReceiptAndCorrectsTheStockOnce) {
  addDrug("当归", "中药", "0");
  addDrug("当归", "西成药·其他", "100");  // same name, other category: untouched
  auto first = receipt("当归", "3", "中药");
  auto second = receipt("当归", "5", "中药");  // same key: begun within the same second
  ASSERT_EQ(purchasing::bookReceipt(mainPath, stockPath, first).status, Status::Booked);
  ASSERT_EQ(purchasing::bookReceipt(mainPath, stockPath, second).status, Status::Booked);
  store::Database db(stockPath);
  const auto rows = store::Purchases(db).ledger("", "中药", "2019-01-01", "2019-12-31", 30001);
  ASSERT_EQ(rows.size(), 2u);
  const store::LedgerRow& five = rows[0].fields[store::kLedgerQuantity] == "5" ? rows[0] : rows[1];

  const auto gone = purchasing::deleteReceipt(mainPath, stockPath, five.id, five.fields[store::kLedgerKey]);
  ASSERT_TRUE(gone.ok) << gone.reason.toStdString();
  EXPECT_TRUE(gone.deleted);
  EXPECT_EQ(stockColumn("进货管理", "数量"), QStringList{"3"});
  EXPECT_EQ(catalogue("当归", "斗位"), "3");

  // A second delete of the same row finds nothing and leaves the stock alone.
  const auto again = purchasing::deleteReceipt(mainPath, stockPath, five.id, five.fields[store::kLedgerKey]);
  EXPECT_TRUE(again.ok);
  EXPECT_FALSE(again.deleted);
  EXPECT_EQ(catalogue("当归", "斗位"), "3");
  // Nor does an identity that now names another key.
  EXPECT_FALSE(purchasing::deleteReceipt(mainPath, stockPath, rows[1].id, "19990101000000").deleted);
  EXPECT_EQ(count("进货管理"), 1);
  store::Database main(mainPath, store::Database::Mode::ReadOnly);
  SQLite::Statement other(main.sql(), R"(SELECT "斗位" FROM "商品" WHERE "分类" <> '中药')");
  ASSERT_TRUE(other.executeStep());
  EXPECT_EQ(store::columnText(other, 0), "100");
}

// One thread receives goods while another takes stock off the same drug the way
// dispensing does (read inside a joint transaction, write, commit); no change is lost.
TEST_F(GoodsReceiptTest, ConcurrentReceiptsAndDispensingKeepTheStockExact) {
  addDrug("阿莫西林", "西成药·抗生素", "1000");
  constexpr int kRounds = 500;
  // A round that stays locked out past the busy timeout is refused as a whole and
  // counted; every committed round must show in the stock exactly once.
  std::atomic<int> received{0};
  std::atomic<int> dispensed{0};
  std::thread receiving([&] {
    for (int i = 0; i < kRounds; ++i)
      if (purchasing::bookReceipt(mainPath, stockPath, receipt("阿莫西林", "2")).status == Status::Booked) ++received;
  });
  std::thread dispensing([&] {
    for (int i = 0; i < kRounds; ++i) {
      try {
        store::JointTransaction tx(mainPath, stockPath);
        SQLite::Statement read(tx.db().sql(), R"(SELECT "斗位" FROM "商品" WHERE "名称" = '阿莫西林')");
        read.executeStep();
        const double stock = store::columnText(read, 0).toDouble();
        read.reset();
        SQLite::Statement write(tx.db().sql(), R"(UPDATE "商品" SET "斗位" = ? WHERE "名称" = '阿莫西林')");
        store::bindText(write, 1, QString::number(stock - 1));
        write.exec();
        SQLite::Statement line(tx.db().sql(), R"(INSERT INTO stock."销售管理" ("ID号", "名称", "数量") VALUES ('x', '阿莫西林', '1'))");
        line.exec();
        tx.commit();
        ++dispensed;
      } catch (const std::exception&) {
        // A round refused by the busy timeout is not counted; the floors below bound them.
      }
    }
  });
  receiving.join();
  dispensing.join();
  EXPECT_GT(received.load(), kRounds * 9 / 10);
  EXPECT_GT(dispensed.load(), kRounds * 9 / 10);
  EXPECT_EQ(catalogue("阿莫西林", "斗位"), QString::number(1000 + 2 * received.load() - dispensed.load()));
  EXPECT_EQ(count("进货管理"), received.load());
}

}  // namespace
