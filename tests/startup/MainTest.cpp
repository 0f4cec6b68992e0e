// Start-up: the data folder, the template files, the mode and the password.
#include "startup/Folders.h"
#include "startup/HostNameFile.h"
#include "startup/Main.h"
#include "startup/TemplateFiles.h"
#include "store/Database.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"
#include "text/ScrambledText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>

#include <gtest/gtest.h>

namespace {

using testing_support::readBytes;
using testing_support::ScriptedDialogs;
using testing_support::TempFolder;

const QString kData = QStringLiteral("Corvala数据库");

class StartupTest : public ::testing::Test {
 protected:
  startup::AppState start() {
    startup::StartupEnvironment env;
    env.drives = drives;
    env.stationCode = "AB12";
    return startup::Main(env, dialogs).value();
  }
  QString localFolder() const { return QDir(drives.c).filePath(kData); }
  void setPassword(const QString& dbPath, const QString& password) {
    store::Database db(dbPath);
    SQLite::Statement q(db.sql(), R"(UPDATE "设置" SET "密码" = ?)");
    store::bindText(q, 1, password);
    q.exec();
  }
  // A host share holding the three files, with its own password.
  QString makeHost(const QString& host, const QString& password) {
    const QString share = folder.makeDir("shares/" + host + "/" + kData);
    startup::writeMissingTemplates(share);
    setPassword(QDir(share).filePath("数据库.dat"), password);
    return share;
  }

  TempFolder folder;
  platform::DriveRoots drives = folder.drives();
  ScriptedDialogs dialogs;
};

TEST_F(StartupTest, FirstStartWritesTheTemplatesByteForByte) {
  const startup::AppState state = start();
  EXPECT_EQ(state.localDataFolder, localFolder());
  for (const startup::TemplateFileEntry& entry : startup::templateFiles()) {
    const QString path = QDir(localFolder()).filePath(entry.fileName);
    ASSERT_TRUE(QFileInfo(path).isFile()) << entry.fileName.toStdString();
    EXPECT_EQ(readBytes(path), readBytes(entry.resource)) << entry.fileName.toStdString();
    EXPECT_TRUE(QFileInfo(path).isWritable());
  }
  EXPECT_EQ(QDir(localFolder()).entryList(QDir::Files).size(), 3);  // no temporary left behind
  EXPECT_TRUE(dialogs.messages.isEmpty());
  EXPECT_EQ(state.loginPassword, "691");  // "691" and a line feed
  EXPECT_DOUBLE_EQ(state.markupRatio, 1.25);
  EXPECT_EQ(state.stationCode, "AB12");
  EXPECT_FALSE(state.networkMode);
  EXPECT_EQ(state.notifyFilePath, QDir(localFolder()).filePath("Kqtz.ini"));
  EXPECT_EQ(state.mainDbPath, QDir(localFolder()).filePath("数据库.dat"));
  EXPECT_EQ(state.stockDbPath, QDir(localFolder()).filePath("库存管理.dat"));
  EXPECT_EQ(state.dictionaryDbPath, QDir(localFolder()).filePath("综合设置.dat"));
}

TEST_F(StartupTest, LaterStartsNeverRewriteAFileAndRestoreOnlyTheMissingOne) {
  start();
  const QString main = QDir(localFolder()).filePath("数据库.dat");
  const QString stock = QDir(localFolder()).filePath("库存管理.dat");
  const QString dictionary = QDir(localFolder()).filePath("综合设置.dat");
  setPassword(main, "secret");
  const QDateTime mainTime = QFileInfo(main).lastModified();
  const QDateTime dictionaryTime = QFileInfo(dictionary).lastModified();
  const QByteArray changedMain = readBytes(main);
  QFile::remove(stock);
  QThread::msleep(20);

  const startup::AppState state = start();
  EXPECT_EQ(state.loginPassword, "secret");
  EXPECT_EQ(readBytes(main), changedMain);
  EXPECT_EQ(QFileInfo(main).lastModified(), mainTime);
  EXPECT_EQ(QFileInfo(dictionary).lastModified(), dictionaryTime);
  EXPECT_EQ(readBytes(stock), readBytes(":/templates/inventory.dat"));
}

TEST_F(StartupTest, DriveDIsUsedOnlyWhenItsRootListsAVisibleEntry) {
  struct Case {
    const char* name;
    std::function<void(const QString& root)> prepare;
    bool present;
    bool expectD;
  };
  const Case cases[] = {
      {"absent", [](const QString&) {}, false, false},
      {"empty", [](const QString&) {}, true, false},
      {"hidden only", [](const QString& root) { QFile f(root + "/.hidden"); f.open(QIODevice::WriteOnly); }, true, false},
      {"one file", [](const QString& root) { QFile f(root + "/readme.txt"); f.open(QIODevice::WriteOnly); }, true, true},
      {"one folder", [](const QString& root) { QDir().mkpath(root + "/games"); }, true, true},
  };
  for (const Case& c : cases) {
    TempFolder own;
    platform::DriveRoots roots = own.drives();
    if (c.present) {
      roots.d = own.makeDir("d");
      c.prepare(*roots.d);
    }
    const QString expected = QDir(c.expectD ? *roots.d : roots.c).filePath(kData);
    EXPECT_EQ(startup::chooseLocalDataFolder(roots), expected) << c.name;
  }
}

TEST_F(StartupTest, NetworkModeTakesMainStockAndCounterFromTheHost) {
  const QString share = makeHost("FRONTDESK", "host-pass");
  folder.makeDir("c/" + kData);
  ASSERT_TRUE(startup::writeHostNameFile(localFolder(), "FRONTDESK"));
  const startup::AppState state = start();
  EXPECT_TRUE(dialogs.messages.isEmpty());
  EXPECT_TRUE(state.networkMode);
  EXPECT_EQ(state.hostName, "FRONTDESK");
  EXPECT_EQ(state.mainDbPath, QDir(share).filePath("数据库.dat"));
  EXPECT_EQ(state.stockDbPath, QDir(share).filePath("库存管理.dat"));
  EXPECT_EQ(state.notifyFilePath, QDir(share).filePath("Kqtz.ini"));
  EXPECT_EQ(state.dictionaryDbPath, QDir(localFolder()).filePath("综合设置.dat"));
  EXPECT_EQ(state.loginPassword, "host-pass");
  // The workstation still writes its own three files first.
  EXPECT_EQ(QDir(localFolder()).entryList({"*.dat"}, QDir::Files).size(), 3);
}

TEST_F(StartupTest, AShareWhoseMainFileIsNotADatabaseIsAnUnreachableHost) {
  const QString share = folder.makeDir("shares/BROKEN/" + kData);
  QFile broken(QDir(share).filePath("数据库.dat"));
  ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
  broken.write("not a database");
  broken.close();
  start();  // lays out the local files
  ASSERT_TRUE(startup::writeHostNameFile(localFolder(), "BROKEN"));
  setPassword(QDir(localFolder()).filePath("数据库.dat"), "local\n");
  dialogs.messages.clear();
  const startup::AppState state = start();
  EXPECT_FALSE(state.networkMode);
  EXPECT_EQ(dialogs.texts(), QStringList{startup::kHostUnreachableMessage});
  EXPECT_EQ(state.loginPassword, "local");
}

TEST_F(StartupTest, UnreachableOrUnreadableHostGivesOneMessageThenLocalMode) {
  struct Case {
    const char* name;
    QByteArray fileContent;
  };
  const Case cases[] = {
      {"host switched off", text::ScrambleText("OFFICE-PC")->toLatin1() + "\r\n"},
      {"empty first line", "\r\n"},
      {"empty file", ""},
      {"not numbers", "abc,12\r\n"},
      {"path outside the shares", text::ScrambleText("..")->toLatin1() + "\r\n"},
  };
  for (const Case& c : cases) {
    TempFolder own;
    own.writeFile("c/" + kData + "/kvlo-12.jpg", c.fileContent);
    ScriptedDialogs own_dialogs;
    startup::StartupEnvironment env;
    env.drives = own.drives();
    const startup::AppState state = startup::Main(env, own_dialogs).value();
    ASSERT_EQ(own_dialogs.messages.size(), 1) << c.name;
    EXPECT_EQ(own_dialogs.messages[0].text, startup::kHostUnreachableMessage);
    EXPECT_EQ(own_dialogs.messages[0].title, "提示");
    EXPECT_FALSE(state.networkMode) << c.name;
    EXPECT_EQ(state.notifyFilePath, QDir(state.localDataFolder).filePath("Kqtz.ini")) << c.name;
    EXPECT_EQ(state.mainDbPath, QDir(state.localDataFolder).filePath("数据库.dat")) << c.name;
  }
}

TEST_F(StartupTest, PasswordLineFeedsAreRemovedCarriageReturnsKept) {
  start();
  const QString main = QDir(localFolder()).filePath("数据库.dat");
  const std::pair<QString, QString> cases[] = {
      {"691\n", "691"}, {"a\nb\n", "ab"}, {"691\r\n", "691\r"}, {"   ", "   "}, {"", ""}};
  for (const auto& [stored, expected] : cases) {
    setPassword(main, stored);
    EXPECT_EQ(start().loginPassword, expected);
  }
}

TEST_F(StartupTest, StrokeTableJoinsCharacterStrokesAndAmpersandInRowOrder) {
  start();
  {
    store::Database db(QDir(localFolder()).filePath("综合设置.dat"));
    db.exec(R"(DELETE FROM "输入法编码")");
    db.exec(R"(INSERT INTO "输入法编码" ("序号", "汉字", "笔画") VALUES (60, '一', '1'), (50, '的', '32511354'), (70, '扌', NULL))");
  }
  EXPECT_EQ(start().strokeCodeTable, "的32511354&一1&扌&");
}

TEST(CreateFolderPath, CreatesEveryMissingLevel) {
  TempFolder folder;
  const QString deep = folder.sub("a/b//c/d");
  startup::CreateFolderPath(deep);
  EXPECT_TRUE(QFileInfo(folder.sub("a/b/c/d")).isDir());
  startup::CreateFolderPath(deep);  // existing levels are passed over
  folder.writeFile("blocked", "x");
  startup::CreateFolderPath(folder.sub("blocked/inner"));  // cannot be made: no failure
  EXPECT_FALSE(QFileInfo(folder.sub("blocked/inner")).exists());
}

}  // namespace
