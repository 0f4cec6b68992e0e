// The history list and the load on a real main file: what a query lists, that an item
// loads the record it stands for, and that a loaded record is the one that was saved.
#include "clinical/service/MedicalRecordText.h"
#include "prescription/service/RecordsFixture.h"

namespace {

using namespace prescription;
using testing_support::u16;

class HistoryAndLoadTest : public testing_support::RecordsTest {
 protected:
  void save(const QString& serial, const QString& name, const QString& date) {
    ASSERT_TRUE(saver().save(shown(serial, name, date), false).saved());
  }
  QStringList listed(const HistoryWindow& window) const {
    const HistoryResult result = history().query(window);
    EXPECT_TRUE(result.reason.isEmpty()) << result.reason.toStdString();
    QStringList out;
    for (const HistoryItem& item : result.items) out << item.serial;
    return out;
  }
};

TEST_F(HistoryAndLoadTest, QueryMatchesTheSearchLiterallyInItsColumn) {
  save("20240301080000A", u16(u"张三"), "2024-03-01");
  save("20240305090000A", u16(u"张小三"), "2024-03-05");
  save("20240305100000A", u16(u"李四"), "2024-03-05");
  save("20240305110000A", "O'Brien", "2024-03-05");
  save("20240305120000A", u16(u"王5%"), "2024-03-05");
  save("20240201120000A", u16(u"张三"), "2024-02-01");

  struct Case {
    const char16_t* search;
    QStringList serials;  // newest first
  };
  const Case cases[] = {
      {u"", {"20240305120000A", "20240305110000A", "20240305100000A", "20240305090000A", "20240301080000A"}},
      {u"张", {"20240305090000A", "20240301080000A"}},
      {u"zs", {"20240301080000A"}},             // initials of 张三, not of 张小三 (zxs)
      {u"ZS", {"20240301080000A"}},             // ASCII letters in either case
      {u" zs", {}},                             // the blank is part of the search
      {u"O'B", {"20240305110000A"}},
      {u"o'b", {"20240305110000A"}},
      {u"%", {"20240305120000A"}},              // a literal percent sign, held by 王5% only
      {u"王5%", {"20240305120000A"}},
      {u"_", {}},
  };
  for (const Case& c : cases) {
    const QString search = u16(c.search);
    EXPECT_EQ(listed({search, "2024-03-01", "2024-03-05"}), c.serials) << search.toStdString();
  }
  // Reversed boxes are swapped; a box without a date lists nothing.
  EXPECT_EQ(listed({u16(u"张三"), "2024-3-5", "2024/2/1"}), (QStringList{"20240301080000A", "20240201120000A"}));
  EXPECT_EQ(listed({"", "2024-13-01", "2024-03-05"}), QStringList{});
}

TEST_F(HistoryAndLoadTest, ItemsShowTheRecordAndItsMark) {
  save("S1", u16(u"王五"), "2019-07-15");
  exec(R"(UPDATE "档案" SET "发药" = '-已发药', "2" = '36岁')");
  const HistoryResult result = history().query({"", "2019-07-15", "2019-07-15"});
  ASSERT_EQ(result.items.size(), 1u);
  EXPECT_EQ(result.items[0].text, u16(u"王五[男,36岁,2019-07-15]-已发药"));
}

TEST_F(HistoryAndLoadTest, LoadGivesBackWhatWasSaved) {
  PrescriptionRecord typed = shown("S1", u16(u"张三"));
  typed.header[header::kPhone] = "13800000000";
  typed.medicalRecord = clinical::joinMedicalRecord({u16(u"头痛3天"), "", "", "", "", "", "", u16(u"感冒"), u16(u"休息")});
  typed.herbalUsage = u16(u"用法：水煎服");
  typed.infusionCardText = u16(u"0.9%氯化钠注射液 250ml\r\n");
  const SaveOutcome saved = saver().save(typed, true);
  ASSERT_TRUE(saved.saved());

  const LoadOutcome loaded = loader().load("S1");
  ASSERT_TRUE(loaded.loaded()) << loaded.message.toStdString();
  const PrescriptionRecord& r = loaded.record;
  EXPECT_EQ(r.header, saved.stored.header);
  EXPECT_EQ(r.grid, typed.grid);
  EXPECT_EQ(r.medicalRecord, typed.medicalRecord);
  EXPECT_EQ(r.prescriptionText, typed.prescriptionText);
  EXPECT_EQ(r.infusionCardText, typed.infusionCardText);
  EXPECT_EQ(r.symptoms, typed.symptoms);
  EXPECT_EQ(r.herbalUsage, typed.herbalUsage);
  EXPECT_EQ(r.doses, "7");
  EXPECT_EQ(r.serial, "S1");
  EXPECT_EQ(r.dispenseMark, "");
  EXPECT_EQ(loaded.modeCaption, u16(u"中医"));
  EXPECT_TRUE(loaded.herbalLayout);
}

TEST_F(HistoryAndLoadTest, LoadTakesCaptionAndLayoutFromTheStoredType) {
  save("S1", u16(u"张三"), "2024-03-05");
  const std::tuple<const char16_t*, const char16_t*, bool> cases[] = {
      {u"中医", u"中医", true}, {u"普通", u"普通", false}, {u"中", u"中医", false},
      {u"西", u"普通", false},   {u"其他", u"其他", false},
  };
  for (const auto& [kind, caption, herbal] : cases) {
    store::Database db(mainDb);
    SQLite::Statement update(db.sql(), R"(UPDATE "档案" SET "类别" = ?, "5" = '2024-03-05 08:30:00')");
    store::bindText(update, 1, u16(kind));
    update.exec();
    const LoadOutcome loaded = loader().load("S1");
    EXPECT_EQ(loaded.modeCaption, u16(caption));
    EXPECT_EQ(loaded.herbalLayout, herbal) << u16(kind).toStdString();
    EXPECT_EQ(loaded.record.header[header::kDate], "2024-03-05");
  }
}

TEST_F(HistoryAndLoadTest, AnItemLoadsItsOwnRecordWhateverHappenedSince) {
  save("20240305090000A", u16(u"张三"), "2024-03-05");
  save("20240305100000A", u16(u"李四"), "2024-03-05");
  const HistoryResult shownList = history().query(todaysPatients(kToday));
  ASSERT_EQ(shownList.items.size(), 2u);
  const HistoryItem clicked = shownList.items[1];  // 张三, second from the top

  // A second workstation saves a newer record; today's list would now show it on top.
  const PrescriptionSave otherWindow(mainDb, counterFile, [] { return kToday; });
  ASSERT_TRUE(otherWindow.save(shown("20240305110000B", u16(u"王五")), false).saved());
  EXPECT_EQ(loader().load(clicked.serial).record.header[header::kName], u16(u"张三"));

  // ... or deletes the record: the load says so instead of loading another one.
  exec(R"(DELETE FROM "档案" WHERE "序号" = '20240305090000A')");
  const LoadOutcome gone = loader().load(clicked.serial);
  EXPECT_EQ(gone.result, LoadOutcome::Result::Gone);
  EXPECT_EQ(gone.message, kRecordGoneMessage);
}

TEST_F(HistoryAndLoadTest, UnreadableDataFileIsReportedNotListedAsEmpty) {
  const HistoryList list(folder.sub("gone/数据库.dat"));
  const HistoryResult result = list.query(todaysPatients(kToday));
  EXPECT_TRUE(result.items.empty());
  EXPECT_FALSE(result.reason.isEmpty());
  EXPECT_EQ(PrescriptionLoad(folder.sub("gone/数据库.dat")).load("S1").result, LoadOutcome::Result::Failed);
}

}  // namespace
