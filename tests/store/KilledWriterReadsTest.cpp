// Reading after another workstation died mid-write: a writer killed inside its transaction
// leaves a hot journal beside the file. Every service that only reads rolls it back and
// reads what was stored before the write; none says the file is read-only. A connection
// that truly cannot write says why it cannot read, apart from a read-only file's refusal.
#include "clinical/service/OutpatientLog.h"
#include "prescription/service/HistoryList.h"
#include "purchasing/service/PurchaseStatistics.h"
#include "purchasing/service/ReceiptLedger.h"
#include "reports/service/DrugSales.h"
#include "reports/service/SalesDetail.h"
#include "reports/service/Workload.h"
#include "reports/service/ReportsFixture.h"
#include "store/DataFile.h"
#include "support/FileFaults.h"

#include <QDate>
#include <QFileInfo>

#include <SQLiteCpp/Transaction.h>

#include <functional>

namespace {

const QDate kDay(2024, 3, 5);
const QString kDayText = QStringLiteral("2024-03-05");

// Everything another workstation's write would take away, wiped inside the transaction it
// never finishes; the padding makes it touch page after page, so the pages reach the file.
const QString kMainWiper = QStringLiteral(R"(DELETE FROM "档案"; UPDATE "商品" SET "查询" = "查询" || hex(randomblob(40));)");
const QString kStockWiper = QStringLiteral(R"(DELETE FROM "销售管理"; DELETE FROM "进货管理";
                                              UPDATE "进货模板" SET "备注" = hex(randomblob(60));)");

class KilledWriterReadsTest : public testing_support::ReportsTest {
 protected:
  KilledWriterReadsTest() {
    for (int i = 0; i < 40; ++i) addPrescription(serial(i), kDayText, "12.50");
    store::Database stock(stockDb);
    SQLite::Transaction transaction(stock.sql());
    for (int i = 0; i < 300; ++i) {
      stock.exec(QStringLiteral(R"(INSERT INTO "销售管理" ("ID号", "名称", "数量", "单位", "单价", "金额", "进价", "分类",
                                                           "日期", "医师", "利润", "患者")
                                   VALUES ('%1', '阿莫西林%2', '2', '盒', '1.5', '3.000', '1', '西成药·抗生素',
                                           '%3', '王医师', '1', '李四'))")
                     .arg(serial(i))
                     .arg(i % 7)
                     .arg(kDayText));
      stock.exec(QStringLiteral(R"(INSERT INTO "进货管理" ("日期", "品名", "分类", "序号", "数量", "单位", "备注")
                                   VALUES ('%1', '黄芪%2', '中药', '%3', '10', 'g', '15'))")
                     .arg(kDayText)
                     .arg(i % 9)
                     .arg(i));
      stock.exec(QStringLiteral(R"(INSERT INTO "进货模板" ("名称", "备注") VALUES ('黄芪%1', '15'))").arg(i));
    }
    transaction.commit();
  }
  static QString serial(int i) { return QStringLiteral("20240305%1AB").arg(i, 6, 10, QLatin1Char('0')); }
};

struct ReadService {
  const char* name;
  bool onStockFile;
  std::function<QString(const QString& mainDb, const QString& stockDb)> read;  // what it shows, or why it failed
};

QString joined(const std::vector<grid::Record>& records) {
  QStringList rows;
  for (const grid::Record& r : records) rows << QStringList(r.fields.begin(), r.fields.end()).join('|');
  return rows.join('\n');
}

const ReadService kServices[] = {
    {"purchase ledger", true,
     [](const QString&, const QString& stock) {
       const purchasing::LedgerOutcome read =
           purchasing::readLedger(stock, "", "中药", text::DateRange{kDay, kDay}, 30000);
       QStringList rows;
       for (const purchasing::LedgerRow& row : read.rows) rows << row.fields.join('|');
       return read.reason.isEmpty() ? rows.join('\n') : "failed: " + read.reason;
     }},
    {"purchase statistics", true,
     [](const QString&, const QString& stock) {
       try {
         QStringList rows;
         for (const purchasing::StatisticsLine& l :
              purchasing::purchaseStatistics(stock, "中药", purchasing::DateRange{kDay, kDay}))
           rows << l.name + '|' + l.quantity + '|' + l.amount;
         return rows.join('\n');
       } catch (const std::exception& e) {
         return "failed: " + store::failureReason(e);
       }
     }},
    {"drug sales", true,
     [](const QString&, const QString& stock) {
       const reports::DrugSalesOutcome read = reports::runDrugSales(stock, kDayText, kDayText, "西成药");
       QStringList rows;
       for (const reports::DrugSalesRow& r : read.rows) rows << r.name + '|' + r.quantity + '|' + r.amount;
       return read.ran ? rows.join('\n') : "failed: " + read.message;
     }},
    {"sales details", true,
     [](const QString&, const QString& stock) {
       const reports::SalesDetailOutcome read = reports::runSalesDetail(stock, {kDayText, kDayText, {}, {}, {}, {}});
       return read.kind == reports::SalesDetailOutcome::Kind::Listed ? joined(read.records) : "failed: " + read.message;
     }},
    {"outpatient log", false,
     [](const QString& main, const QString&) {
       try {
         const std::optional<std::vector<clinical::LogRecord>> log = clinical::listLog(main, {kDayText, kDayText});
         QStringList rows;
         for (const clinical::LogRecord& r : log.value()) rows << r.name + '|' + r.visitDate;
         return rows.join('\n');
       } catch (const std::exception& e) {
         return "failed: " + store::failureReason(e);
       }
     }},
    {"workload", false,
     [](const QString& main, const QString&) {
       const reports::WorkloadOutcome read = reports::runWorkload(main, kDayText, kDayText);
       return read.message.isEmpty() ? read.line : "failed: " + read.message;
     }},
    {"history list", false,
     [](const QString& main, const QString&) {
       const prescription::HistoryResult read =
           prescription::HistoryList(main).query({QString(), kDayText, kDayText});
       QStringList rows;
       for (const prescription::HistoryItem& item : read.items) rows << item.serial + '|' + item.text;
       return read.reason.isEmpty() ? rows.join('\n') : "failed: " + read.reason;
     }},
};

TEST_F(KilledWriterReadsTest, EveryReadServiceRollsTheDeadWritersJournalBackAndReadsWhatWasStored) {
  testing_support::ShortBusyTimeout shortWait;
  for (const ReadService& service : kServices) {
    SCOPED_TRACE(service.name);
    const std::string before = service.read(mainDb, stockDb).toStdString();
    ASSERT_FALSE(before.empty());
    ASSERT_FALSE(before.starts_with("failed")) << before;
    const QString file = service.onStockFile ? stockDb : mainDb;
    ASSERT_TRUE(testing_support::killWriterMidTransaction(file, service.onStockFile ? kStockWiper : kMainWiper));
    EXPECT_EQ(service.read(mainDb, stockDb).toStdString(), before);
    EXPECT_FALSE(QFileInfo(file + "-journal").exists()) << "rolled back by the reader";
  }
}

// A connection that cannot write meets the journal it cannot roll back: the reason says
// so, and is not a read-only file's "cannot write".
TEST_F(KilledWriterReadsTest, AReaderThatCannotRollTheJournalBackSaysSo) {
  ASSERT_TRUE(testing_support::killWriterMidTransaction(stockDb, kStockWiper));
  try {
    SQLite::Database readOnly(stockDb.toStdString(), SQLite::OPEN_READONLY);
    readOnly.execAndGet(R"(SELECT count(*) FROM "销售管理")");
    FAIL() << "read past a hot journal";
  } catch (const SQLite::Exception& e) {
    EXPECT_EQ(store::failureReason(e), store::kUnfinishedWriteOnReadOnlyFile);
    EXPECT_NE(store::failureReason(e), QStringLiteral("文件只读，无法写入"));
  }
}

}  // namespace
