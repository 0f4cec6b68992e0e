// The overlay template: its rows in the inventory file, read in the order written and
// replaced in one transaction, and the boxes the template window shows for them.
#include "printing/service/OverlayTemplate.h"
#include "startup/AppState.h"
#include "startup/TemplateFiles.h"
#include "store/Database.h"
#include "store/OverlayTemplateRows.h"

#include "support/DesignedSheet.h"
#include "support/TempFolder.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {

using printing::OverlayTemplate;
using store::OverlayTemplateRow;

class OverlayTemplateStore : public ::testing::Test {
 protected:
  void SetUp() override {
    startup::writeMissingTemplates(folder.path());
    path = QDir(folder.path()).filePath(startup::kStockDbFile);
  }
  QList<QStringList> storedRows() {
    store::Database db(path, store::Database::Mode::ReadOnly);
    SQLite::Statement q(db.sql(), R"(SELECT "名称", "左边距", "上边距" FROM "套打设置" ORDER BY rowid)");
    QList<QStringList> rows;
    while (q.executeStep())
      rows.append({store::columnText(q, 0), store::columnText(q, 1), store::columnText(q, 2)});
    return rows;
  }
  testing_support::TempFolder folder;
  QString path;
};

TEST_F(OverlayTemplateStore, ShippedRowsLoadWithTheirTicksAndPositions) {
  const OverlayTemplate overlay = printing::overlayTemplateFromRows(store::readOverlayTemplateRows(path, 24));
  EXPECT_EQ(overlay, testing_support::shippedOverlayTemplate());
  for (int unticked : {5, 11, 12, 14, 22, 23}) EXPECT_FALSE(overlay[unticked].ticked) << unticked;
  EXPECT_EQ(overlay[18].x, QStringLiteral("20"));
}

TEST_F(OverlayTemplateStore, SavingRewritesTheSameRowsInTheSameOrder) {
  const QList<QStringList> before = storedRows();
  ASSERT_EQ(before.size(), 24);
  const OverlayTemplate overlay = printing::overlayTemplateFromRows(store::readOverlayTemplateRows(path, 24));
  store::replaceOverlayTemplateRows(path, printing::overlayRowsFromTemplate(overlay));
  EXPECT_EQ(storedRows(), before);
}

TEST_F(OverlayTemplateStore, RowsAreReadInTheOrderWrittenWhateverTheirValues) {
  std::vector<OverlayTemplateRow> rows;
  for (int i = 23; i >= 0; --i) rows.push_back({QStringLiteral("1"), QString::number(i), QString::number(100 - i)});
  store::replaceOverlayTemplateRows(path, rows);
  const auto read = store::readOverlayTemplateRows(path, 24);
  ASSERT_EQ(read.size(), 24u);
  for (int item = 0; item < 24; ++item) EXPECT_EQ(read[item].x, QString::number(23 - item));
}

TEST_F(OverlayTemplateStore, AFailedSaveLeavesTheStoredTemplateWhole) {
  const QList<QStringList> before = storedRows();
  {
    // A trigger stands for a write that fails half-way through the rows.
    store::Database db(path);
    db.exec(QStringLiteral(R"(CREATE TRIGGER fail_tenth BEFORE INSERT ON "套打设置"
                              WHEN (SELECT count(*) FROM "套打设置") >= 10
                              BEGIN SELECT RAISE(ABORT, 'disk full'); END)"));
  }
  OverlayTemplate overlay = testing_support::shippedOverlayTemplate();
  overlay[0].x = QStringLiteral("99");
  EXPECT_THROW(store::replaceOverlayTemplateRows(path, printing::overlayRowsFromTemplate(overlay)),
               std::runtime_error);
  EXPECT_EQ(storedRows(), before);
}

TEST_F(OverlayTemplateStore, AnUnreadableTemplateIsAFailureNotAnEmptyTemplate) {
  {
    store::Database db(path);
    db.exec(QStringLiteral(R"(DROP TABLE "套打设置")"));
  }
  EXPECT_THROW(store::readOverlayTemplateRows(path, 24), std::runtime_error);
  EXPECT_THROW(store::readOverlayTemplateRows(folder.sub(QStringLiteral("无此文件.dat")), 24), std::runtime_error);
  EXPECT_FALSE(QFileInfo::exists(folder.sub(QStringLiteral("无此文件.dat"))));
}

TEST(OverlayTemplate, BoxesShowAndSaveNormalisedNumbers) {
  const struct {
    const char* typed;
    const char* saved;
  } cases[] = {{"", "0"}, {"abc", "0"}, {"007", "7"}, {"12ab", "12"}, {"1.5", "1.5"}, {"20.50", "20.5"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.typed);
    OverlayTemplate overlay;
    overlay[3] = {true, QString::fromLatin1(c.typed), QString::fromLatin1(c.typed)};
    const auto rows = printing::overlayRowsFromTemplate(overlay);
    ASSERT_EQ(rows.size(), 24u);
    EXPECT_EQ(rows[3].printed, QStringLiteral("1"));
    EXPECT_EQ(rows[3].x, QString::fromLatin1(c.saved));
    EXPECT_EQ(rows[0].printed, QStringLiteral("0"));
    // Loading the stored text shows the same number.
    EXPECT_EQ(printing::overlayTemplateFromRows(rows)[3].x, QString::fromLatin1(c.saved));
  }
}

TEST(OverlayTemplate, LoadsFlagsAndMissingRows) {
  std::vector<OverlayTemplateRow> rows = {
      {QStringLiteral("1"), QStringLiteral("10"), QStringLiteral("20")},
      {QStringLiteral("0"), QStringLiteral("5"), QStringLiteral("5")},
      {QStringLiteral("1.2"), QStringLiteral("x"), QStringLiteral("")},  // rounds to 1
      {QStringLiteral("2"), std::nullopt, std::nullopt},
  };
  const OverlayTemplate overlay = printing::overlayTemplateFromRows(rows);
  EXPECT_TRUE(overlay[0].ticked);
  EXPECT_FALSE(overlay[1].ticked);
  EXPECT_TRUE(overlay[2].ticked);
  EXPECT_EQ(overlay[2].x, QStringLiteral("0"));
  EXPECT_FALSE(overlay[3].ticked);
  EXPECT_EQ(overlay[3].x, QString());
  for (int i = 4; i < 24; ++i) EXPECT_EQ(overlay[i], printing::OverlayItemBoxes{});
  EXPECT_NEAR(overlay[0].position().x(), 408.24, 1e-9);
  EXPECT_NEAR(overlay[0].position().y(), 816.48, 1e-9);
}

}  // namespace
