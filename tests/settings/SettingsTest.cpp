// The settings row, the password change and the settings cache, without a window.
#include "settings/Settings.h"
#include "startup/AppState.h"
#include "startup/TemplateFiles.h"
#include "store/DataFile.h"
#include "store/Database.h"
#include "support/TempFolder.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace {

using settings::PasswordChange;
using settings::SettingsValues;

class SettingsRowTest : public ::testing::Test {
 protected:
  SettingsRowTest() {
    startup::writeMissingTemplates(folder.path());
    db = QDir(folder.path()).filePath(startup::kMainDbFile);
  }
  void exec(const QString& sql) { store::Database(db).exec(sql); }
  QString stored(const QString& column) {
    store::Database d(db, store::Database::Mode::ReadOnly);
    SQLite::Statement q(d.sql(), QStringLiteral(R"(SELECT "%1" FROM "设置")").arg(column).toStdString());
    return q.executeStep() ? store::columnText(q, 0) : QStringLiteral("<no row>");
  }

  testing_support::TempFolder folder;
  QString db;
};

TEST_F(SettingsRowTest, TheShippedRowLoadsWithTheDefaultPrinterInEveryPrinterBox) {
  const settings::SettingsRead read = settings::readSettingsRow(db, "HP LaserJet");
  EXPECT_TRUE(read.rowRead);
  EXPECT_EQ(read.reason, "");
  const SettingsValues& v = read.values;
  EXPECT_EQ(v.unitName, "示例卫生所");
  EXPECT_EQ(v.department, "内儿科");
  EXPECT_EQ(v.feeCategory, "自费");
  EXPECT_EQ(v.fontName, "宋体");
  EXPECT_EQ(v.fontSize, "12");
  EXPECT_EQ((QStringList{v.sheetLeft, v.sheetTop, v.recordLeft, v.recordTop, v.cardLeft, v.cardTop}),
            (QStringList{"10", "20", "10", "10", "10", "10"}));
  EXPECT_TRUE(v.portrait);
  for (const QString& printer : v.printers) EXPECT_EQ(printer, "HP LaserJet");
}

TEST_F(SettingsRowTest, AnUnreadableRowFallsBackToTheShippedValuesNotDesignLeftovers) {
  const SettingsValues shipped = [] {
    SettingsValues v;
    v.printers.fill("PDF");
    return v;
  }();
  exec(R"(DELETE FROM "设置")");
  settings::SettingsRead read = settings::readSettingsRow(db, "PDF");
  EXPECT_EQ(read.values, shipped);
  EXPECT_FALSE(read.rowRead);
  EXPECT_EQ(read.reason, settings::kNoSettingsRow);
  read = settings::readSettingsRow(folder.sub("absent.dat"), "PDF");
  EXPECT_EQ(read.values, shipped);
  EXPECT_FALSE(read.rowRead);
  EXPECT_EQ(read.reason, store::kFileMissing);
  EXPECT_TRUE(shipped.unitName.isEmpty());
  EXPECT_TRUE(shipped.portrait);
}

TEST_F(SettingsRowTest, NullKeepsTheInitialValueAndEmptyPrintersTakeTheDefault) {
  exec(R"(UPDATE "设置" SET "医师" = NULL, "处方字号" = NULL, "左边距" = '', "备用1" = '1',
                            "默认打印机" = '', "处方打印机" = '', "打印机2" = 'Epson LQ', "打印机3" = NULL)");
  const SettingsValues v = settings::readSettingsRow(db, "HP").values;
  EXPECT_EQ(v.physician, "");
  EXPECT_EQ(v.fontSize, "12");
  EXPECT_EQ(v.sheetLeft, "") << "the empty text is a value";
  EXPECT_FALSE(v.portrait);
  EXPECT_EQ(v.printers[settings::kDefaultPrinter], "") << "the hidden box takes no default";
  EXPECT_EQ(v.printers[settings::kPrescriptionPrinter], "HP");
  EXPECT_EQ(v.printers[settings::kRecordPrinter], "Epson LQ");
  EXPECT_EQ(v.printers[settings::kDispensingPrinter], "HP");
}

TEST_F(SettingsRowTest, WriteStoresEveryTextAsTypedAndLongNamesWhole) {
  SettingsValues v = settings::readSettingsRow(db, "HP").values;
  v.unitName = " 青山村卫生室处方笺 ";
  v.sheetLeft = "12.5mm";
  v.fontSize = "13";
  v.portrait = false;
  v.fontName = QString(40, u'字');
  v.printers[settings::kRecordPrinter] = QStringLiteral("\\\\server\\") + QString(120, u'P');
  settings::writeSettingsRow(db, v);

  EXPECT_EQ(settings::readSettingsRow(db, "HP").values, v);
  EXPECT_EQ(stored("备用1"), "1");
  EXPECT_EQ(stored("备用3"), "");
  EXPECT_EQ(stored("默认打印机"), "HP") << "the first save stores the default printer's name";
  EXPECT_EQ(stored("密码"), "691\n") << "the save leaves the password alone";

  v.portrait = true;
  settings::writeSettingsRow(db, v);
  EXPECT_EQ(stored("备用1"), "");
}

TEST_F(SettingsRowTest, AWriteWithoutARowFailsAndAddsNone) {
  exec(R"(DELETE FROM "设置")");
  EXPECT_THROW(settings::writeSettingsRow(db, SettingsValues{}), std::runtime_error);
  EXPECT_EQ(stored("单位名称"), "<no row>");
  EXPECT_THROW(settings::writeSettingsRow(folder.sub("absent.dat"), SettingsValues{}), std::runtime_error);
}

TEST_F(SettingsRowTest, PasswordChange) {
  struct Case {
    const char* stored;  // nullptr: no value
    const char* typedOld;
    const char* typedNew;
    PasswordChange result;
    const char* after;
  } cases[] = {
      {"691\n", "691", "abc", PasswordChange::Changed, "abc\n"},
      {"691\n", "  691 ", " a b ", PasswordChange::Changed, "a b\n"},
      {"Abc\n", "abc", "x", PasswordChange::WrongOldPassword, "Abc\n"},
      {"691\n", "691", "   ", PasswordChange::NoNewPassword, "691\n"},
      {"691\n", "", "", PasswordChange::NoNewPassword, "691\n"},
      {"691\r\n", "691", "x", PasswordChange::WrongOldPassword, "691\r\n"},
      {" 691\n", "691", "x", PasswordChange::WrongOldPassword, " 691\n"},
      {nullptr, "", "x", PasswordChange::WrongOldPassword, nullptr},
      {"\n", "", "x", PasswordChange::Changed, "x\n"},
  };
  for (const Case& c : cases) {
    {
      store::Database d(db);
      SQLite::Statement set(d.sql(), R"(UPDATE "设置" SET "密码" = ?)");
      store::bindText(set, 1, c.stored ? QString::fromUtf8(c.stored) : QString());
      set.exec();
    }
    SCOPED_TRACE(std::string(c.typedOld) + " -> " + c.typedNew);
    const settings::PasswordChangeOutcome outcome = settings::changePassword(db, c.typedOld, c.typedNew);
    EXPECT_EQ(outcome.result, c.result);
    EXPECT_EQ(outcome.reason, "") << "a refusal is no file problem";
    EXPECT_EQ(stored("密码"), c.after ? QString::fromUtf8(c.after) : QString());
  }
}

TEST_F(SettingsRowTest, APasswordThatCannotBeWrittenIsReportedAndKept) {
  // Stands for a row locked by another workstation.
  exec(R"(CREATE TRIGGER locked BEFORE UPDATE OF "密码" ON "设置" BEGIN SELECT RAISE(ABORT, 'locked'); END)");
  settings::PasswordChangeOutcome outcome = settings::changePassword(db, "691", "abc");
  EXPECT_EQ(outcome.result, PasswordChange::WriteFailed);
  EXPECT_TRUE(outcome.reason.startsWith("数据不符合数据表的规则")) << outcome.reason.toStdString();
  EXPECT_EQ(stored("密码"), "691\n");

  exec(R"(DELETE FROM "设置")");
  EXPECT_EQ(settings::changePassword(db, "691", "abc").result, PasswordChange::WrongOldPassword);
  // A file that is not there is a file problem, not a wrong password.
  outcome = settings::changePassword(folder.sub("absent.dat"), "691", "abc");
  EXPECT_EQ(outcome.result, PasswordChange::FileProblem);
  EXPECT_EQ(outcome.reason, store::kFileMissing);
}

TEST_F(SettingsRowTest, TheCacheLoadsOnFirstReadShowsEditsAndDropsThem) {
  startup::AppState state;
  state.mainDbPath = db;
  settings::Settings settings(state, [] { return QStringLiteral("HP"); });
  int loads = 0;
  settings.setLoader([&] {
    ++loads;
    settings.load();
  });

  EXPECT_FALSE(settings.isLoaded());
  EXPECT_EQ(settings.values().unitName, "示例卫生所");
  EXPECT_EQ(settings.values().sheetTop, "20");
  EXPECT_EQ(loads, 1) << "one load, then reads come from the cache";

  settings.edit().sheetTop = "35";
  EXPECT_EQ(settings.values().sheetTop, "35") << "readers see the unsaved edit";
  EXPECT_EQ(stored("上边距"), "20");

  settings.drop();
  EXPECT_EQ(settings.values().sheetTop, "20") << "dropped edits are gone";
  EXPECT_EQ(loads, 2);

  settings.edit().sheetTop = "35";
  ASSERT_TRUE(settings.save().saved);
  settings.drop();
  EXPECT_EQ(settings.values().sheetTop, "35");
  EXPECT_EQ(stored("上边距"), "35");
}

TEST_F(SettingsRowTest, ACacheWhoseLoaderLoadsNothingReadsTheRowItself) {
  startup::AppState state;
  state.mainDbPath = db;
  settings::Settings settings(state);
  settings.setLoader([] {});
  EXPECT_EQ(settings.values().unitName, "示例卫生所");
  EXPECT_TRUE(settings.rowRead());
}

TEST_F(SettingsRowTest, ListenersHearOfEverySaveAndBellSwitchButNotOfAFailedSave) {
  startup::AppState state;
  state.mainDbPath = db;
  state.localDataFolder = folder.path();
  settings::Settings settings(state);
  int changes = 0;
  QObject::connect(&settings, &settings::Settings::changed, [&] { ++changes; });

  settings.load();
  settings.edit().unitName = "青山村卫生室";
  ASSERT_TRUE(settings.save().saved);
  EXPECT_EQ(changes, 1);

  exec(R"(CREATE TRIGGER locked BEFORE UPDATE ON "设置" BEGIN SELECT RAISE(ABORT, 'locked'); END)");
  const settings::Settings::SaveOutcome refused = settings.save();
  EXPECT_FALSE(refused.saved);
  EXPECT_FALSE(refused.reason.isEmpty());
  EXPECT_EQ(changes, 1) << "nothing changed, nobody is told";

  EXPECT_TRUE(settings.switchBell(true));
  EXPECT_EQ(changes, 2);
  EXPECT_TRUE(settings.bellOn());
  EXPECT_TRUE(QFileInfo::exists(folder.sub("Lstz.ini")));
}

TEST_F(SettingsRowTest, TheBellIsAskedOnceAndThenOnlyASwitchChangesIt) {
  startup::AppState state;
  state.mainDbPath = db;
  state.localDataFolder = folder.path();
  settings::Settings settings(state);
  EXPECT_FALSE(settings.bellOn());
  folder.writeFile("Lstz.ini", "");
  EXPECT_FALSE(settings.bellOn()) << "a marker made behind the program's back counts from the next start";

  // A marker that cannot follow: the switch holds for this run and the caller is told.
  state.localDataFolder = folder.sub("missing");
  EXPECT_FALSE(settings.switchBell(true));
  EXPECT_TRUE(settings.bellOn());
}

}  // namespace
