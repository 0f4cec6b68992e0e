// Start-up on data folders and files in the states a clinic's machines leave them in:
// every case tells the user in one "提示" message and ends, or goes on soundly, and no
// stored byte is changed by a start that ends.
#include "catalogue/service/SearchKeyRebuild.h"
#include "startup/HostNameFile.h"
#include "startup/Main.h"
#include "startup/SharedServices.h"
#include "startup/TemplateFiles.h"
#include "store/Database.h"
#include "support/FileFaults.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

namespace {

using testing_support::Damage;
using testing_support::readBytes;
using testing_support::ScriptedDialogs;
using testing_support::TempFolder;

const QString kData = QStringLiteral("Corvala数据库");

class StartupFaultsTest : public ::testing::Test {
 protected:
  std::optional<startup::AppState> start() {
    startup::StartupEnvironment env;
    env.drives = folder.drives();
    env.stationCode = "AB12";
    env.showBusy = [this](bool on) {
      busy = on;
      ++busyChanges;
    };
    dialogs.messages.clear();
    busyChanges = 0;
    return startup::Main(env, dialogs);
  }
  QString local(const QString& name = QString()) const {
    const QString dir = QDir(folder.drives().c).filePath(kData);
    return name.isEmpty() ? dir : QDir(dir).filePath(name);
  }
  QString settingsRow(const QString& path) {
    store::Database db(path);
    SQLite::Statement q(db.sql(), R"(SELECT "密码" || '|' || "单位名称" || '|' || "医师" || '|' || "发药人" || '|' ||
                                            "费别" || '|' || "科别" FROM "设置")");
    return q.executeStep() ? store::columnText(q, 0) : QStringLiteral("<no row>");
  }
  // The one message shown, with the busy cursor off while it showed.
  QString onlyMessage() {
    EXPECT_EQ(dialogs.messages.size(), 1) << dialogs.texts().join(" / ").toStdString();
    if (dialogs.messages.isEmpty()) return {};
    EXPECT_EQ(dialogs.messages[0].title, "提示");
    return dialogs.messages[0].text;
  }

  TempFolder folder;
  ScriptedDialogs dialogs;
  bool busy = false;
  int busyChanges = 0;
  testing_support::ShortBusyTimeout shortWait{150};
};

const QString kShippedRow = QStringLiteral("691\n|示例卫生所|赵立新|钱晓梅|自费|内儿科");

TEST_F(StartupFaultsTest, AFolderThatCannotBeMadeEndsWithOneMessageAndALaterGoodStartWorks) {
  struct Case {
    const char* name;
    std::function<void()> block;
    std::function<void()> clear;
  } cases[] = {
      {"a file where the data folder should be", [&] { folder.writeFile("c/" + kData, "x"); },
       [&] { QFile::remove(local()); }},
      {"a file where the drive root should be",
       [&] {
         QDir(folder.sub("c")).removeRecursively();
         folder.writeFile("c", "x");
       },
       [&] {
         QFile::remove(folder.sub("c"));
         folder.makeDir("c");
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    c.block();
    EXPECT_FALSE(start().has_value());
    EXPECT_EQ(onlyMessage(), startup::kFolderUncreatableMessage.arg(local()));
    EXPECT_FALSE(busy) << "the busy cursor is gone when the program ends";
    c.clear();
    ASSERT_TRUE(start().has_value());
    EXPECT_TRUE(dialogs.messages.isEmpty());
    QDir(local()).removeRecursively();
  }
}

TEST_F(StartupFaultsTest, ATemplateThatCannotBeWrittenEndsWithOneMessage) {
  // Even root cannot make files in a process folder: it stands for a read-only folder.
  ASSERT_TRUE(QFile::link(QStringLiteral("/proc/self"), local()));
  EXPECT_FALSE(start().has_value());
  EXPECT_EQ(onlyMessage(), startup::kTemplateUnwritableMessage.arg("数据库.dat", local()));
}

TEST_F(StartupFaultsTest, AnUnusableDataFileIsNamedNeverReplacedAndEndsTheStart) {
  for (const QString& file : {QStringLiteral("数据库.dat"), QStringLiteral("库存管理.dat"), QStringLiteral("综合设置.dat")}) {
    for (Damage d : {Damage::ZeroBytes, Damage::Garbage, Damage::Folder}) {
      SCOPED_TRACE(file.toStdString() + " as " + testing_support::damageName(d));
      QDir(local()).removeRecursively();
      ASSERT_TRUE(start().has_value());
      testing_support::damage(local(file), d);
      const QByteArray before = readBytes(local(file));

      EXPECT_FALSE(start().has_value());
      const QString message = onlyMessage();
      EXPECT_TRUE(message.startsWith(QStringLiteral("数据文件“%1”无法使用：").arg(local(file)))) << message.toStdString();
      EXPECT_EQ(QFileInfo(local(file)).isDir(), d == Damage::Folder) << "left as it was";
      EXPECT_EQ(readBytes(local(file)), before);
    }
  }
}

TEST_F(StartupFaultsTest, APasswordThatCannotBeReadIsNeverAnEmptyPassword) {
  ASSERT_TRUE(start().has_value());
  // The lock of another program outlasts the busy wait: one message, no login, no change.
  {
    testing_support::ExclusiveLock lock(local("数据库.dat"));
    EXPECT_FALSE(start().has_value());
  }
  const QString message = onlyMessage();
  EXPECT_TRUE(message.contains("占用")) << message.toStdString();
  EXPECT_FALSE(busy);
  EXPECT_EQ(settingsRow(local("数据库.dat")), kShippedRow);

  // A writer that died mid-write: its journal is rolled back, the right password stands.
  ASSERT_TRUE(testing_support::killWriterMidTransaction(
      local("数据库.dat"), R"(UPDATE "设置" SET "密码" = '', "单位名称" = '', "医师" = '王医生', "发药人" = '',
                                                 "费别" = '', "科别" = '';
                               UPDATE "商品" SET "查询" = "查询" || 'xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx';)"));
  const std::optional<startup::AppState> state = start();
  ASSERT_TRUE(state.has_value());
  EXPECT_EQ(state->loginPassword, "691");
  EXPECT_TRUE(dialogs.messages.isEmpty());
  EXPECT_EQ(settingsRow(local("数据库.dat")), kShippedRow);
  EXPECT_FALSE(QFileInfo::exists(local("数据库.dat-journal")));

  // No settings row: nothing to compare a password with.
  store::Database(local("数据库.dat")).exec(R"(DELETE FROM "设置")");
  EXPECT_FALSE(start().has_value());
  EXPECT_EQ(onlyMessage(), startup::kPasswordUnreadableMessage.arg("数据库中没有设置记录"));
}

TEST_F(StartupFaultsTest, TheBusyCursorShowsWhileStartUpWaitsAndNeverUnderAMessage) {
  ASSERT_TRUE(start().has_value());
  EXPECT_FALSE(busy);
  EXPECT_EQ(busyChanges, 2) << "on at the start, off at the end";

  testing_support::ExclusiveLock lock(local("数据库.dat"));
  bool busyDuringMessage = true;
  dialogs.onMessage = [&](const QString&) { busyDuringMessage = busy; };
  EXPECT_FALSE(start().has_value());
  EXPECT_FALSE(busyDuringMessage);
  EXPECT_EQ(dialogs.messages.size(), 1) << "one wait, one message";
}

TEST_F(StartupFaultsTest, ADamagedShareIsAnUnreachableHost) {
  ASSERT_TRUE(start().has_value());
  ASSERT_TRUE(startup::writeHostNameFile(local(), "FRONTDESK"));
  const QString share = folder.makeDir("shares/FRONTDESK/" + kData);
  struct Case {
    const char* file;
    Damage damage;
  } cases[] = {{"数据库.dat", Damage::Garbage}, {"数据库.dat", Damage::ZeroBytes},
               {"库存管理.dat", Damage::Folder}, {"库存管理.dat", Damage::Garbage}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.file) + " as " + testing_support::damageName(c.damage));
    QDir(share).removeRecursively();
    QDir().mkpath(share);
    startup::writeMissingTemplates(share);
    testing_support::damage(QDir(share).filePath(c.file), c.damage);
    const QByteArray before = readBytes(QDir(share).filePath(c.file));
    const std::optional<startup::AppState> state = start();
    ASSERT_TRUE(state.has_value());
    EXPECT_EQ(onlyMessage(), startup::kHostUnreachableMessage);
    EXPECT_FALSE(state->networkMode);
    EXPECT_EQ(state->mainDbPath, local("数据库.dat"));
    EXPECT_EQ(readBytes(QDir(share).filePath(c.file)), before);
  }
}

TEST_F(StartupFaultsTest, NoStrokeTableIsSaidOnceAndKeepsEveryKeyAsItWas) {
  ASSERT_TRUE(start().has_value());
  {
    store::Database db(local("综合设置.dat"));
    db.exec(R"(DELETE FROM "输入法编码")");
    store::Database(local("数据库.dat")).exec(R"(UPDATE "商品" SET "查询" = '陈旧')");
  }
  const std::optional<startup::AppState> state = start();
  ASSERT_TRUE(state.has_value());
  EXPECT_EQ(onlyMessage(), startup::kStrokeTableUnavailableMessage);
  EXPECT_FALSE(state->strokeTableRead);

  const catalogue::KeyRebuild rebuild = catalogue::rebuildSearchKeys(state->mainDbPath, startup::SharedServices(*state, {}).strokes());
  EXPECT_EQ(rebuild.catalogueKeys, 0);
  EXPECT_EQ(rebuild.reason, catalogue::kNoStrokeTable);
  store::Database db(local("数据库.dat"));
  SQLite::Statement q(db.sql(), R"(SELECT count(*) FROM "商品" WHERE "查询" <> '陈旧')");
  ASSERT_TRUE(q.executeStep());
  EXPECT_EQ(q.getColumn(0).getInt(), 0) << "no key lost its stroke code";
}

TEST_F(StartupFaultsTest, ADictionaryWhoseRowsCannotBeReadSaysWhyAndStrokeSearchStaysOff) {
  ASSERT_TRUE(start().has_value());
  // The first page (the schema) stays, every page after it is overwritten: the file opens
  // and holds its tables, but its rows cannot be read.
  {
    QFile file(local("综合设置.dat"));
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    const QByteArray header = file.read(100);
    const qint64 pageSize = (uchar(header[16]) << 8) | uchar(header[17]);
    ASSERT_GT(file.size(), 2 * pageSize);
    ASSERT_TRUE(file.seek(pageSize));
    file.write(QByteArray(file.size() - pageSize, '\xAA'));
  }
  const std::optional<startup::AppState> state = start();
  ASSERT_TRUE(state.has_value());
  EXPECT_EQ(onlyMessage(), startup::kStrokeTableUnreadable + "：文件已损坏或不是数据库文件。" + startup::kStrokeSearchOff);
  EXPECT_FALSE(state->strokeTableRead);
  EXPECT_TRUE(state->strokeCodeTable.isEmpty());
}

TEST(TemplatePlacement, AFileAnotherInstanceJustMadeIsNeverReplaced) {
  TempFolder folder;
  const QString path = folder.sub("数据库.dat");
  EXPECT_EQ(startup::placeNewFile(path, "first"), startup::NewFile::Written);
  EXPECT_EQ(startup::placeNewFile(path, "second"), startup::NewFile::AlreadyThere);
  EXPECT_EQ(readBytes(path), "first");
  EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).size(), 1) << "no temporary left behind";
  EXPECT_EQ(startup::placeNewFile(folder.sub("no such folder/数据库.dat"), "x"), startup::NewFile::Failed);
}

TEST(TemplatePlacement, TheFilesThatCouldNotBeWrittenAreNamedAndAPresentOneIsNot) {
  TempFolder folder;
  // A file that is there is never written, so it is never named, whatever it holds.
  ASSERT_EQ(startup::placeNewFile(folder.sub("库存管理.dat"), "kept"), startup::NewFile::Written);
  EXPECT_EQ(startup::writeMissingTemplates(folder.path()), QStringList());
  EXPECT_EQ(readBytes(folder.sub("库存管理.dat")), "kept");
  // Even root cannot make files in a process folder: every missing file is named.
  EXPECT_EQ(startup::writeMissingTemplates(QStringLiteral("/proc/self")),
            QStringList({"数据库.dat", "库存管理.dat", "综合设置.dat"}));
}

TEST(TemplatePlacement, SimultaneousAndKilledStartsLeaveCompleteFilesOrNone) {
  const auto intact = [](const QString& dir) {
    for (const startup::TemplateFileEntry& entry : startup::templateFiles()) {
      const QString path = QDir(dir).filePath(entry.fileName);
      if (QFileInfo::exists(path) && readBytes(path) != readBytes(entry.resource)) return false;
    }
    return true;
  };
  // Three instances at once.
  {
    TempFolder folder;
    const QString dir = folder.path();
    std::vector<pid_t> children;
    for (int i = 0; i < 3; ++i) {
      const pid_t child = ::fork();
      if (child == 0) {
        startup::writeMissingTemplates(dir);
        ::_exit(0);
      }
      children.push_back(child);
    }
    for (pid_t child : children) ::waitpid(child, nullptr, 0);
    EXPECT_TRUE(intact(dir));
    EXPECT_EQ(QDir(dir).entryList({"*.dat"}, QDir::Files).size(), 3);
  }
  // Killed at moments spread over the writing.
  for (int delay : {0, 300, 1000, 3000, 8000, 20000}) {
    TempFolder folder;
    testing_support::inChildProcess(
        [&] {
          startup::writeMissingTemplates(folder.path());
          return 0;
        },
        delay);
    EXPECT_TRUE(intact(folder.path())) << delay;
    startup::writeMissingTemplates(folder.path());
    EXPECT_TRUE(intact(folder.path())) << delay;
    EXPECT_EQ(QDir(folder.path()).entryList({"*.dat"}, QDir::Files).size(), 3) << delay;
  }
}

TEST_F(StartupFaultsTest, AnOldFileWithoutAColumnTheProgramUsesIsNamedAndLeftAsItIs) {
  ASSERT_TRUE(start().has_value());
  struct Case {
    QString file;
    const char* table;
    const char* column;
  } cases[] = {
      {startup::kMainDbFile, "档案", "发药"},
      {startup::kMainDbFile, "商品", "斗位"},
      {startup::kStockDbFile, "进货管理", "批号"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.column);
    const QString path = local(c.file);
    const QByteArray whole = readBytes(path);
    {
      store::Database db(path);
      db.exec(QStringLiteral(R"(ALTER TABLE "%1" DROP COLUMN "%2")").arg(QString::fromUtf8(c.table), QString::fromUtf8(c.column)));
    }
    const QByteArray old = readBytes(path);
    EXPECT_FALSE(start().has_value());
    EXPECT_EQ(onlyMessage(),
              startup::kFileUnusableMessage.arg(QDir::toNativeSeparators(path),
                                                QStringLiteral("数据表“%1”缺少列“%2”")
                                                    .arg(QString::fromUtf8(c.table), QString::fromUtf8(c.column))));
    EXPECT_EQ(readBytes(path), old) << "the old file is left as it is";
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(whole) == whole.size());
  }
}

TEST_F(StartupFaultsTest, AMissingInventoryFileIsMadeAgainAndTheUserToldWhenPrescriptionsAreKept) {
  ASSERT_TRUE(start().has_value());
  const QString stock = local(startup::kStockDbFile);
  // No prescription yet: a new installation, nothing to tell.
  ASSERT_TRUE(QFile::remove(stock));
  ASSERT_TRUE(start().has_value());
  EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.texts().join(" / ").toStdString();
  EXPECT_TRUE(QFileInfo(stock).isFile());

  store::Database(local(startup::kMainDbFile)).exec(QStringLiteral(R"(INSERT INTO "档案" ("序号", "0") VALUES ('S1', '张三'))"));
  ASSERT_TRUE(QFile::remove(stock));
  ASSERT_TRUE(start().has_value());
  EXPECT_EQ(onlyMessage(), startup::kStockFileRemadeMessage.arg(QDir::toNativeSeparators(stock)));
  for (const startup::TemplateFileEntry& entry : startup::templateFiles())
    if (entry.fileName == startup::kStockDbFile) {
      EXPECT_EQ(readBytes(stock), readBytes(entry.resource)) << "made from the template";
    }
  // The next start finds it and says nothing.
  ASSERT_TRUE(start().has_value());
  EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST(NameCollation, ARefusedRegistrationIsAFailureNotASilentlyUnsortedList) {
  TempFolder folder;
  store::Database db(folder.sub("x.dat"), store::Database::Mode::Create);
  db.exec(R"(CREATE TABLE t (name TEXT); INSERT INTO t VALUES ('b'), ('a');)");
  SQLite::Statement running(db.sql(), std::string("SELECT name FROM t ORDER BY name COLLATE ") + store::kNameCollation);
  ASSERT_TRUE(running.executeStep());
  // SQLite refuses to replace a collation that a running statement uses.
  EXPECT_THROW(store::registerNameCollation(db.sql()), SQLite::Exception);
}

}  // namespace
