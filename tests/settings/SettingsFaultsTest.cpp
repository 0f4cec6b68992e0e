// The settings row and the password change on a main file that another program has
// locked, that a writer left with its journal, or that is damaged: nothing is read as
// blank, nothing is saved over a row that was not read, and a file problem is not a
// wrong password.
#include "settings/Settings.h"
#include "startup/AppState.h"
#include "startup/TemplateFiles.h"
#include "store/Database.h"
#include "support/FileFaults.h"
#include "support/TempFolder.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {

using settings::PasswordChange;

const QString kShippedRow = QStringLiteral("691\n|示例卫生所|赵立新|钱晓梅|自费|内儿科");
const QString kWiper = QStringLiteral(R"(UPDATE "设置" SET "密码" = '', "单位名称" = '', "医师" = '王医生',
    "发药人" = '', "费别" = '', "科别" = ''; UPDATE "商品" SET "查询" = "查询" || 'xxxxxxxxxxxxxxxxxxxxxxxxxxxxxx';)");

enum class Fault { Locked, HotJournal, Garbage };

class SettingsFaultsTest : public ::testing::TestWithParam<Fault> {
 protected:
  SettingsFaultsTest() {
    startup::writeMissingTemplates(folder.path());
    db = QDir(folder.path()).filePath(startup::kMainDbFile);
  }
  // Applies the fault; a lock lasts as long as the returned object.
  std::unique_ptr<testing_support::ExclusiveLock> apply(Fault fault) {
    switch (fault) {
      case Fault::Locked:
        return std::make_unique<testing_support::ExclusiveLock>(db);
      case Fault::HotJournal:
        EXPECT_TRUE(testing_support::killWriterMidTransaction(db, kWiper));
        break;
      case Fault::Garbage:
        testing_support::damage(db, testing_support::Damage::Garbage);
        break;
    }
    return nullptr;
  }
  QString row() {
    store::Database d(db);
    SQLite::Statement q(d.sql(), R"(SELECT "密码" || '|' || "单位名称" || '|' || "医师" || '|' || "发药人" || '|' ||
                                           "费别" || '|' || "科别" FROM "设置")");
    return q.executeStep() ? store::columnText(q, 0) : QString();
  }

  testing_support::TempFolder folder;
  testing_support::ShortBusyTimeout shortWait{150};
  QString db;
};

TEST_P(SettingsFaultsTest, TheRowIsReadSoundlyOrNotAtAllAndNeverSavedOverUnread) {
  const Fault fault = GetParam();
  startup::AppState state;
  state.mainDbPath = db;
  settings::Settings settings(state);
  QString reason;
  {
    auto lock = apply(fault);
    reason = settings.load();
  }
  if (fault == Fault::HotJournal) {
    // The dead writer's changes are rolled back before the read.
    EXPECT_TRUE(settings.rowRead());
    EXPECT_TRUE(reason.isEmpty()) << reason.toStdString();
    EXPECT_EQ(settings.values().unitName, "示例卫生所");
    EXPECT_EQ(settings.values().physician, "赵立新");
    EXPECT_EQ(row(), kShippedRow);
    return;
  }
  EXPECT_FALSE(settings.rowRead());
  EXPECT_FALSE(reason.isEmpty());
  if (fault == Fault::Locked) { EXPECT_TRUE(reason.contains("占用")) << reason.toStdString(); }
  settings.edit().physician = "王医生";
  const settings::Settings::SaveOutcome saved = settings.save();
  EXPECT_FALSE(saved.saved);
  EXPECT_EQ(saved.reason, settings::kRowNotRead);
  if (fault == Fault::Locked) { EXPECT_EQ(row(), kShippedRow) << "the row it never read is kept"; }
}

TEST_P(SettingsFaultsTest, APasswordChangeOnAFileProblemSaysSoAndChangesNothing) {
  const Fault fault = GetParam();
  settings::PasswordChangeOutcome outcome;
  {
    auto lock = apply(fault);
    outcome = settings::changePassword(db, "691", "new");
  }
  const PasswordChange result = outcome.result;
  if (fault == Fault::HotJournal) {
    EXPECT_EQ(result, PasswordChange::Changed) << "the journal is rolled back, then the change is made";
    EXPECT_TRUE(row().startsWith("new\n|示例卫生所|赵立新"));
    return;
  }
  EXPECT_EQ(result, PasswordChange::FileProblem);
  EXPECT_FALSE(outcome.reason.isEmpty());
  if (fault == Fault::Locked) { EXPECT_EQ(row(), kShippedRow); }
}

INSTANTIATE_TEST_SUITE_P(Faults, SettingsFaultsTest,
                         ::testing::Values(Fault::Locked, Fault::HotJournal, Fault::Garbage),
                         [](const ::testing::TestParamInfo<Fault>& info) {
                           switch (info.param) {
                             case Fault::Locked: return std::string("Locked");
                             case Fault::HotJournal: return std::string("HotJournal");
                             case Fault::Garbage: return std::string("Garbage");
                           }
                           return std::string();
                         });

}  // namespace
