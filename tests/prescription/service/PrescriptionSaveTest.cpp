// The save on a real main file: the record, the counter file, the register and the
// phrases, and what a refused or failed save leaves behind.
#include "prescription/service/RecordsFixture.h"
#include "support/FileFaults.h"

#include <SQLiteCpp/Transaction.h>

namespace {

using namespace prescription;
using testing_support::readBytes;
using testing_support::u16;

class PrescriptionSaveTest : public testing_support::RecordsTest {};

TEST_F(PrescriptionSaveTest, FirstSaveAddsTheRecordAndASecondRewritesIt) {
  const SaveOutcome first = saver().save(shown("S1", u16(u"张三")), false);
  ASSERT_TRUE(first.saved()) << first.message.toStdString();
  EXPECT_TRUE(first.counterWritten);
  EXPECT_EQ(readBytes(counterFile), QByteArray(" 1 \r\n"));
  EXPECT_EQ(values(R"(SELECT "9" || '|' || "15" || '|' || "2" || '|' || "40" || '|' || "类别" || '|' || "剂数" FROM "档案")"),
            QStringList{u16(u"12.50|3.00|35岁|张三-zs|普通|7")});
  EXPECT_EQ(first.stored.header[header::kDrugFee], "12.50");
  EXPECT_EQ(first.stored.header[header::kAge], u16(u"35岁"));

  // The window now shows what the save wrote; the physician changes the diagnosis
  // (its phrase "感冒" is kept already) and saves again in the herbal layout.
  PrescriptionRecord again = first.stored;
  again.header[header::kDiagnosis] = u16(u"感冒");
  const SaveOutcome second = saver().save(again, true);
  ASSERT_TRUE(second.saved()) << second.message.toStdString();
  EXPECT_EQ(values(R"(SELECT "6" || '|' || "2" || '|' || "类别" FROM "档案")"), QStringList{u16(u"感冒|35岁|中医")});
  EXPECT_EQ(readBytes(counterFile), QByteArray(" 1 \r\n"));
  EXPECT_EQ(values(R"(SELECT "序号" FROM "患者信息")"), QStringList{u16(u"张三zs1989")});
}

TEST_F(PrescriptionSaveTest, CounterHoldsTodaysRecordsOnly) {
  ASSERT_TRUE(saver().save(shown("S1", u16(u"张三")), false).saved());
  ASSERT_TRUE(saver().save(shown("S2", u16(u"李四"), "2024/3/4"), false).saved());
  EXPECT_EQ(readBytes(counterFile), QByteArray(" 1 \r\n"));
  ASSERT_TRUE(saver().save(shown("S3", u16(u"王五"), "2024-3-5"), false).saved());
  EXPECT_EQ(readBytes(counterFile), QByteArray(" 2 \r\n"));
  EXPECT_EQ(values(R"(SELECT "5" FROM "档案" ORDER BY "序号")"), (QStringList{"2024-03-05", "2024-03-04", "2024-03-05"}));
  EXPECT_EQ(QDir(folder.path()).entryList({"Kqtz.ini*", "*.tmp"}, QDir::Files), QStringList{"Kqtz.ini"});
}

TEST_F(PrescriptionSaveTest, CounterFileThatCannotBeWrittenDoesNotFailTheSaveAndIsToldAfterIt) {
  ASSERT_TRUE(QDir(folder.path()).mkpath("folder/Kqtz.ini"));
  const QString cases[] = {
      folder.sub("unreachable/Kqtz.ini"),  // its folder is not there
      folder.sub("folder/Kqtz.ini"),       // a folder stands where the file should be
  };
  int n = 0;
  for (const QString& path : cases) {
    const PrescriptionSave save(mainDb, path, [] { return kToday; });
    const SaveOutcome outcome = save.save(shown(QStringLiteral("S%1").arg(++n), u16(u"张三")), false);
    EXPECT_TRUE(outcome.saved());
    EXPECT_FALSE(outcome.counterWritten);
    EXPECT_TRUE(outcome.message.startsWith(u16(u"处方已保存，但"))) << outcome.message.toStdString();
    EXPECT_TRUE(outcome.message.contains(path)) << outcome.message.toStdString();
  }
  EXPECT_EQ(values(R"(SELECT "0" FROM "档案")"), (QStringList{u16(u"张三"), u16(u"张三")}));
  EXPECT_TRUE(saver().save(shown("S9", u16(u"李四")), false).message.isEmpty()) << "a counter written says nothing";
}

TEST_F(PrescriptionSaveTest, TwoProgramsStartingInTheSameSecondBothKeepTheirRecords) {
  // Two copies of the program on one machine share its station code, so both windows
  // were given the same number; the second second is taken already too.
  const QString serial = "20261210202802F776";
  ASSERT_TRUE(saver().save(shown("20261210202803F776", u16(u"王五")), false).saved());
  const SaveOutcome first = saver().save(shown(serial, u16(u"张三")), false);
  ASSERT_TRUE(first.saved());
  EXPECT_EQ(first.stored.serial, serial) << "a free number is kept";

  QStringList told;
  const SaveOutcome second =
      saver().whenRenumbered([&](const QString& s) { told << s; }).save(shown(serial, u16(u"李四")), false);
  ASSERT_TRUE(second.saved()) << second.message.toStdString();
  EXPECT_EQ(second.stored.serial, "20261210202804F776");
  EXPECT_EQ(told, QStringList{"20261210202804F776"}) << "the window is told the number it now shows";
  const QStringList all = {serial + u16(u"|张三"), u16(u"20261210202803F776|王五"), u16(u"20261210202804F776|李四")};
  EXPECT_EQ(values(R"(SELECT "序号" || '|' || "0" FROM "档案" ORDER BY "序号")"), all);

  // Each window saves again what it shows: its own record is rewritten, none is added.
  for (PrescriptionRecord again : {first.stored, second.stored}) {
    again.header[header::kDiagnosis] = u16(u"咳嗽");
    const SaveOutcome resaved = saver().whenRenumbered([&](const QString& s) { told << s; }).save(again, false);
    ASSERT_TRUE(resaved.saved());
    EXPECT_EQ(resaved.stored.serial, again.serial);
  }
  EXPECT_EQ(told.size(), 1);
  EXPECT_EQ(values(R"(SELECT "序号" || '|' || "0" FROM "档案" ORDER BY "序号")"), all);
  EXPECT_EQ(values(R"(SELECT count(*) FROM "档案" WHERE "6" = '咳嗽')"), QStringList{"2"});
}

TEST(NextSerial, MovesTheTimeOnBySecondsAndKeepsTheStationCode) {
  const std::tuple<const char*, int, const char*> cases[] = {
      {"20261210202802F776", 1, "20261210202803F776"},
      {"20261210235959F776", 1, "20261211000000F776"},  // over midnight
      {"20241231235959AB12", 2, "20250101000001AB12"},  // over the year
      {"20260308015959F776", 1, "20260308020000F776"},  // whatever the local clock did then
      {"20261210202802", 1, "20261210202803"},          // no station code
      {"S1", 1, "S1-2"},                                // any other key
      {"S1", 2, "S1-3"},
      {"20261310202802F776", 1, "20261310202802F776-2"},  // no valid time
  };
  for (const auto& [taken, step, next] : cases) EXPECT_EQ(nextSerial(taken, step), next) << taken;
}

// A new prescription whose number is taken gets the first second after it that no record
// holds, whatever other stations' numbers stand between in the key's order.
TEST_F(PrescriptionSaveTest, ATakenNumberMovesToTheFirstFreeSecondAfterIt) {
  struct Case {
    const char* shown;
    std::vector<const char*> stored;  // besides the shown number itself
    const char* expected;
  };
  const Case cases[] = {
      {"20261210202802F776", {}, "20261210202803F776"},
      // Other stations' numbers of the same seconds; one station code written in small letters,
      // which the key's index takes for the same number.
      {"20261210202802F776",
       {"20261210202802A1", "20261210202803F776", "20261210202803f777", "20261210202804f776", "20261210202804G",
        "20261210202805F7", "20261210202806F776"},
       "20261210202805F776"},
      {"20261210235958F776", {"20261210235959F776", "20261211000000F776", "20261211000002F776"}, "20261211000001F776"},
      {"S1", {"S1-2", "S1-3", "S1-10"}, "S1-4"},  // a number that is no time: second by second
  };
  for (const Case& c : cases) {
    exec(R"(DELETE FROM "档案")");
    for (const char* stored : c.stored) ASSERT_TRUE(saver().save(shown(stored, u16(u"王五")), false).saved());
    ASSERT_TRUE(saver().save(shown(c.shown, u16(u"王五")), false).saved());
    const SaveOutcome outcome = saver().save(shown(c.shown, u16(u"李四")), false);
    ASSERT_TRUE(outcome.saved()) << outcome.message.toStdString();
    EXPECT_EQ(outcome.stored.serial, c.expected) << c.shown;
    EXPECT_EQ(values(R"(SELECT count(*) FROM "档案")"), QStringList{QString::number(c.stored.size() + 2)});
  }
}

TEST_F(PrescriptionSaveTest, RefusedSaveStoresNothing) {
  struct Case {
    const char16_t* name;
    const char* visitDate;
    SaveOutcome::Result result;
    QString message;
  };
  const Case cases[] = {
      {u"   ", "2024-03-05", SaveOutcome::Result::NameMissing, u16(u"请输入患者姓名！")},
      {u"", "2024-03-05", SaveOutcome::Result::NameMissing, u16(u"请输入患者姓名！")},
      {u"张三", "", SaveOutcome::Result::NoVisitDate, kNoVisitDateMessage},
      {u"张三", "2024-02-30", SaveOutcome::Result::NoVisitDate, kNoVisitDateMessage},
      {u"张三", "3月5日", SaveOutcome::Result::NoVisitDate, kNoVisitDateMessage},
  };
  for (const Case& c : cases) {
    const SaveOutcome outcome = saver().save(shown("S1", u16(c.name), c.visitDate), false);
    EXPECT_EQ(outcome.result, c.result) << c.visitDate;
    EXPECT_EQ(outcome.message, c.message);
  }
  EXPECT_TRUE(values(R"(SELECT "序号" FROM "档案" UNION ALL SELECT "序号" FROM "患者信息" UNION ALL SELECT "序号" FROM "诊断")").isEmpty());
  EXPECT_FALSE(QFileInfo::exists(counterFile));
}

TEST_F(PrescriptionSaveTest, OrdinarySaveKeepsTheStoredDispenseMark) {
  ASSERT_TRUE(saver().save(shown("S1", u16(u"张三")), false).saved());
  // Another workstation dispensed the prescription meanwhile.
  exec(R"(UPDATE "档案" SET "发药" = '-已发药')");
  PrescriptionRecord window = shown("S1", u16(u"张三"));  // this window loaded it and still shows ""
  window.loadedOrSaved = true;
  const SaveOutcome stale = saver().save(window, false);
  ASSERT_TRUE(stale.saved());
  EXPECT_EQ(stale.stored.dispenseMark, kDispensedMark);
  EXPECT_EQ(values(R"(SELECT "发药" FROM "档案")"), QStringList{kDispensedMark});

  // A window that shows the mark for a serial without a record (deleted meanwhile)
  // does not bring the record back as dispensed.
  PrescriptionRecord gone = shown("S2", u16(u"李四"));
  gone.dispenseMark = kDispensedMark;
  const SaveOutcome fresh = saver().save(gone, false);
  ASSERT_TRUE(fresh.saved());
  EXPECT_EQ(fresh.stored.dispenseMark, "");
  EXPECT_EQ(values(R"(SELECT "发药" FROM "档案" WHERE "序号" = 'S2')"), QStringList{""});
}

TEST_F(PrescriptionSaveTest, RegisterRowFollowsTheAge) {
  struct Case {
    const char16_t* name;
    const char16_t* age;
    QStringList rows;  // 序号|年龄 of the register afterwards
  };
  const Case cases[] = {
      {u"张三", u"35", {u16(u"张三zs1989|1989")}},
      {u"张三", u"35.5", {u16(u"张三zs1988.5|1988.5")}},
      {u"张三", u"3月", {u16(u"张三zs2024|2024")}},
      {u" 张三", u"35岁", {u16(u" 张三zs1989|1989")}},
      {u"张三", u"", {}},  // no age: the register is not touched
  };
  for (const Case& c : cases) {
    exec(R"(DELETE FROM "患者信息"; DELETE FROM "档案")");
    PrescriptionRecord r = shown("S1", u16(c.name));
    r.header[header::kAge] = u16(c.age);
    ASSERT_TRUE(saver().save(r, false).saved());
    r.loadedOrSaved = true;  // the window saves its own prescription again
    ASSERT_TRUE(saver().save(r, false).saved());  // a second save rewrites the same row
    EXPECT_EQ(values(R"(SELECT "序号" || '|' || "年龄" FROM "患者信息")"), c.rows) << u16(c.age).toStdString();
  }
  PrescriptionRecord r = shown("S1", u16(u"张三"));
  ASSERT_TRUE(saver().save(r, false).saved());
  EXPECT_EQ(values(R"(SELECT "姓名" || '|' || "性别" || '|' || "住址" || '|' || "诊断" || '|' || "备用1" FROM "患者信息")"),
            QStringList{u16(u"张三|男|光明路12号3.5栋|感冒 发热|")});
}

TEST_F(PrescriptionSaveTest, PhrasesAreAddedOnceAndAnExistingPhraseIsNoFailure) {
  // "头痛" is kept as an address phrase already.
  exec(QStringLiteral(R"(INSERT INTO "诊断" ("序号", "拼音", "名称") VALUES ('头痛', '地    址', '头痛-tt'))"));
  PrescriptionRecord r = shown("S1", u16(u"张三"));
  r.header[header::kDiagnosis] = u16(u"头痛 待查");
  ASSERT_TRUE(saver().save(r, false).saved());
  r.loadedOrSaved = true;  // the window saves its own prescription again
  r.header[header::kAddress] = "";  // an empty phrase is not added
  r.header[header::kDiagnosis] = u16(u"感冒 发热");
  ASSERT_TRUE(saver().save(r, false).saved());
  ASSERT_TRUE(saver().save(r, false).saved());
  EXPECT_EQ(values(R"(SELECT "序号" || '|' || "拼音" || '|' || "名称" FROM "诊断" ORDER BY rowid)"),
            (QStringList{u16(u"头痛|地    址|头痛-tt"), u16(u"光明路号栋|地    址|光明路号栋-gmlhd"),
                         u16(u"感冒|诊断名称|感冒-gm")}));
}

TEST_F(PrescriptionSaveTest, ApostrophesAreStoredAsTyped) {
  PrescriptionRecord r = shown("S'1", "O'Brien");
  r.header[header::kDiagnosis] = "Bell's palsy";
  ASSERT_TRUE(saver().save(r, false).saved());
  r.loadedOrSaved = true;  // the window saves its own prescription again
  ASSERT_TRUE(saver().save(r, false).saved());
  EXPECT_EQ(values(R"(SELECT "序号" || '|' || "0" || '|' || "40" FROM "档案")"), QStringList{"S'1|O'Brien|O'Brien-obrien"});
  EXPECT_EQ(values(R"(SELECT "序号" FROM "诊断" WHERE "拼音" = '诊断名称')"), QStringList{"Bell's"});
}

// What a failed save leaves: no part of the prescription, and the counter file as it was.
class FailedSaveTest : public PrescriptionSaveTest {
 protected:
  void SetUp() override { folder.writeFile("Kqtz.ini", " 7 \r\n"); }
  void expectNothingStored(const SaveOutcome& outcome) {
    EXPECT_EQ(outcome.result, SaveOutcome::Result::Failed);
    EXPECT_TRUE(outcome.message.startsWith(u16(u"处方未保存！"))) << outcome.message.toStdString();
    EXPECT_EQ(readBytes(counterFile), QByteArray(" 7 \r\n"));
  }
};

TEST_F(FailedSaveTest, RegisterRefusedRollsBackTheRecord) {
  exec(R"(CREATE TRIGGER refuse BEFORE INSERT ON "患者信息" BEGIN SELECT RAISE(ABORT, 'refused'); END)");
  expectNothingStored(saver().save(shown("S1", u16(u"张三")), false));
  EXPECT_TRUE(values(R"(SELECT "序号" FROM "档案" UNION ALL SELECT "序号" FROM "诊断")").isEmpty());
}

TEST_F(FailedSaveTest, DataFileUnreachable) {
  const PrescriptionSave save(folder.sub("gone/数据库.dat"), counterFile, [] { return kToday; });
  expectNothingStored(save.save(shown("S1", u16(u"张三")), false));
}

TEST_F(FailedSaveTest, DataFileLockedByAnotherWorkstation) {
  SaveOutcome outcome;
  {
    const testing_support::ShortBusyTimeout shortWait;
    const testing_support::ExclusiveLock lock(mainDb);
    outcome = saver().save(shown("S1", u16(u"张三")), false);  // waits out the busy timeout
  }
  expectNothingStored(outcome);
  EXPECT_TRUE(outcome.message.contains(u16(u"工作站"))) << outcome.message.toStdString();
  EXPECT_TRUE(values(R"(SELECT "序号" FROM "档案")").isEmpty());
}

}  // namespace
