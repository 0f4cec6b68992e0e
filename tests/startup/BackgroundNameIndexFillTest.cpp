// The first start of this build on a large history written by a build without the
// history search's name pieces: start-up returns before the pieces exist, they are made
// in the background, and another workstation saves all the while.
#include "prescription/service/HistoryList.h"
#include "prescription/service/PrescriptionSave.h"
#include "startup/BackgroundNameIndexFill.h"
#include "startup/Main.h"
#include "startup/TemplateFiles.h"
#include "store/Database.h"
#include "store/RecordNameIndex.h"
#include "store/RecordsRepository.h"
#include "support/FileFaults.h"
#include "support/PlainHistory.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"

#include <QDir>

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace {

using store::HistoryFilter;

constexpr int kRecords = 300000;
const QString kSurnames = QStringLiteral("王李张刘陈杨黄赵吴周徐孙马朱胡郭何高林罗");
const QString kGiven = QStringLiteral("伟芳娜敏静丽强磊军洋勇艳杰娟涛明超秀霞平");

// The records as an earlier build left them: no pieces, no triggers. Patient i is named
// by patientName(i * 7919 % 20000).
void storeEarlierHistory(const QString& mainDb) {
  store::Database db(mainDb);
  db.exec(R"(DROP TRIGGER "档案_片段_添加"; DROP TRIGGER "档案_片段_删除"; DROP TRIGGER "档案_片段_修改";)"
          R"( DROP TABLE "档案_片段"; DROP TABLE "档案_片段位"; DROP TABLE "档案_片段版本";)"
          R"( DROP TABLE IF EXISTS "档案_片段变动";)");
  SQLite::Statement add(db.sql(), R"(WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i + 1 < ?1),)"
                                  R"( p(i, k) AS (SELECT i, i * 7919 % 20000 FROM n),)"
                                  R"( named(i, name) AS (SELECT i, substr(?2, k % 20 + 1, 1) || substr(?3, k / 20 % 20 + 1, 1))"
                                  R"( || substr(?3, k / 7 % 20 + 1, 1) FROM p))"
                                  R"( INSERT INTO "档案" ("序号", "0", "1", "2", "5", "40"))"
                                  R"( SELECT printf('2014%010dA1', i), name, '男', '30岁', date('2014-01-01', '+' || (i / 80) || ' days'),)"
                                  R"( name || '-wf' FROM named)");
  add.bind(1, kRecords);
  store::bindText(add, 2, kSurnames);
  store::bindText(add, 3, kGiven);
  // The indexes of the records are made after them, which is quicker.
  std::vector<std::pair<std::string, std::string>> indexes;
  {
    SQLite::Statement q(db.sql(), "SELECT name, sql FROM sqlite_master WHERE type = 'index' AND tbl_name = '档案' AND sql NOT NULL");
    while (q.executeStep()) indexes.emplace_back(q.getColumn(0).getString(), q.getColumn(1).getString());
  }
  for (const auto& [name, sql] : indexes) db.sql().exec("DROP INDEX \"" + name + "\"");
  add.exec();
  for (const auto& [name, sql] : indexes) db.sql().exec(sql);
}

prescription::PrescriptionRecord prescriptionOf(int n) {
  prescription::PrescriptionRecord r;
  r.serial = QStringLiteral("20240305%1B2").arg(n, 6, 10, QChar(u'0'));
  for (QString& field : r.header) field = "";
  r.header[prescription::header::kName] = QStringLiteral("新患者%1").arg(n);
  r.header[prescription::header::kDate] = QStringLiteral("2024-03-05");
  r.prescriptionText = QStringLiteral("1. 阿莫西林胶囊 0.25g*24粒×2");
  return r;
}

TEST(BackgroundNameIndexFillTest, AnotherWorkstationSavesWhileTheFirstStartFillsALargeHistory) {
  testing_support::TempFolder folder;
  startup::StartupEnvironment environment;
  environment.drives = folder.drives();
  environment.stationCode = "AB12";
  const QString local = QDir(folder.drives().c).filePath(QStringLiteral("Corvala数据库"));
  QDir().mkpath(local);
  startup::writeMissingTemplates(local);
  const QString mainDb = QDir(local).filePath(startup::kMainDbFile);
  storeEarlierHistory(mainDb);

  // The other workstation saves every tenth of a second, and waits at most a second for
  // the lock: no step of this workstation may hold it that long.
  testing_support::ShortBusyTimeout patience(1000);
  std::atomic<bool> filled = false;
  std::atomic<int> savedWhileFilling = 0;
  QStringList refusals;
  std::thread otherWorkstation([&] {
    const prescription::PrescriptionSave save(mainDb, QDir(local).filePath(startup::kNotifyFile),
                                              [] { return QDate(2024, 3, 5); });
    for (int n = 1; !filled; ++n) {
      const prescription::SaveOutcome outcome = save.save(prescriptionOf(n), false);
      if (!outcome.saved())
        refusals << outcome.message;
      else if (!filled)
        ++savedWhileFilling;
      std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
  });
  bool readyAfterStartUp = true;
  {
    testing_support::ScriptedDialogs dialogs;
    const std::optional<startup::AppState> state = startup::Main(environment, dialogs);
    if (state) {
      store::Database db(mainDb, store::Database::Mode::ReadOnly);
      readyAfterStartUp = store::recordNameIndexReady(db);
      startup::BackgroundNameIndexFill fill(state->mainDbPath);
      fill.wait();
    }
  }
  filled = true;
  otherWorkstation.join();

  EXPECT_FALSE(readyAfterStartUp) << "start-up waited for the pieces";
  EXPECT_TRUE(refusals.isEmpty()) << refusals.first().toStdString();
  EXPECT_GE(savedWhileFilling, 3);
  store::Database db(mainDb, store::Database::Mode::ReadOnly);
  ASSERT_TRUE(store::recordNameIndexReady(db));
  // The pieces hold the history and what the other workstation saved meanwhile.
  for (const auto& [column, text] : {std::pair{HistoryFilter::Column::Name, QStringLiteral("伟芳")},
                                     std::pair{HistoryFilter::Column::Name, QStringLiteral("王")},
                                     std::pair{HistoryFilter::Column::Name, QStringLiteral("患者1")},
                                     std::pair{HistoryFilter::Column::NameInitials, QStringLiteral("WF")},
                                     std::pair{HistoryFilter::Column::NameInitials, QStringLiteral("xhz")}}) {
    const HistoryFilter filter{column, text, "2014-01-01", "2025-01-01"};
    QStringList listed;
    for (const store::HistoryRow& row : store::RecordsRepository(db).history(filter)) listed << row.serial;
    const QStringList expected = testing_support::plainHistory(mainDb, filter);
    EXPECT_FALSE(expected.isEmpty()) << text.toStdString();
    EXPECT_EQ(listed, expected) << text.toStdString();
  }
}

}  // namespace
