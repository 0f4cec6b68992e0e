// Dispensing, its undo and deleting a prescription on real files: the stock moves once,
// the sales lines say what was taken, and a failure changes nothing.
#include "prescription/service/Dispensing.h"
#include "prescription/service/StockFixture.h"
#include "startup/AppState.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {

using namespace prescription;
using testing_support::u16;
using Result = DispenseOutcome::Result;

const QString kAntibiotic = u16(u"西成药·抗生素");
const QString kOtherWestern = u16(u"西成药·其他");
const QString kAmoxicillin = u16(u"阿莫西林胶囊");

class DispensingTest : public testing_support::StockTest {};

TEST_F(DispensingTest, DispenseTakesTheStockAndWritesTheSalesLinesUndoGivesItBack) {
  addDrug(kAmoxicillin, kAntibiotic, "10", "1.50", "1.20");
  addDrug(u16(u"挂号费"), u16(u"收费项目"), std::nullopt, "3", "");
  const PrescriptionRecord window =
      prescribed("P1", {row(kAmoxicillin, "3", kAntibiotic, "1.50", "1.20"), row(u16(u"挂号费"), "1", u16(u"收费项目"), "3", "")});

  const DispenseOutcome given = dispensing().dispense(window, false);
  ASSERT_TRUE(given.done()) << given.message.toStdString();
  EXPECT_EQ(stockOf(kAmoxicillin, kAntibiotic), "7");
  EXPECT_EQ(given.stored.grid[0][kStock], "7") << "the grid's stock cell shows the new stock";
  EXPECT_EQ(given.stored.grid[1][kStock], "") << "a stock that is not kept stays blank";
  EXPECT_EQ(given.stored.dispenseMark, kDispensedMark);
  EXPECT_EQ(storedMark("P1"), kDispensedMark);
  EXPECT_EQ(values(R"(SELECT "9" FROM "档案")"), QStringList{"12.50"}) << "saved as the save stores it";
  EXPECT_TRUE(given.counterWritten);
  EXPECT_EQ(testing_support::readBytes(counterFile), " 1 \r\n");

  const std::vector<store::SalesLine> lines = salesOf("P1");
  ASSERT_EQ(lines.size(), 2u);
  const store::SalesLine expected{"P1", kAmoxicillin, "3", u16(u"盒"), "1.50", "4.500", "1.20", kAntibiotic,
                                  "2024-03-05", "", "0.9", u16(u"张三")};
  EXPECT_EQ(lines[0], expected);
  EXPECT_EQ(lines[1].name, u16(u"挂号费")) << "a drug whose stock is not kept still has its line";
  {
    store::Database db(stockDb, store::Database::Mode::ReadOnly);
    SQLite::Statement spare(db.sql(), R"(SELECT count(*) FROM "销售管理" WHERE "备用1" IS NULL AND "备用2" IS NULL)");
    ASSERT_TRUE(spare.executeStep());
    EXPECT_EQ(spare.getColumn(0).getInt(), 2) << "the reports' spare columns are not written";
  }

  const DispenseOutcome undone = dispensing().undo(given.stored, false);
  ASSERT_TRUE(undone.done()) << undone.message.toStdString();
  EXPECT_EQ(stockOf(kAmoxicillin, kAntibiotic), "10");
  EXPECT_EQ(undone.stored.grid[0][kStock], "10");
  EXPECT_EQ(undone.stored.dispenseMark, "");
  EXPECT_EQ(storedMark("P1"), "");
  EXPECT_TRUE(salesOf("P1").empty());
}

TEST_F(DispensingTest, StockIsWrittenAsAPlainNumberABlankStockStaysBlankAndTheSalesLineSaysWhatWasTaken) {
  struct Case {
    const char* stock;  // nullptr: NULL
    const char* quantity;
    const char* after;
    const char* sold;  // the sales line's 数量
  };
  const Case cases[] = {
      {"2", "5", "-3", "5"},      {"10.5", "0.5", "10", "0.5"},       {"9.000000", "1", "8", "1"},
      {"7", "2.25", "4.75", "2.25"}, {"", "5", "", "5"},              {" ", "5", " ", "5"},
      {nullptr, "5", "<null>", "5"}, {"10", "abc", "10", "0"},        {"10", "2盒", "8", "2盒"},
      {"10", "-2", "10", "0"},  // a sign is no digit: a typed "-2" takes nothing, adds nothing, sells none
      {"10", "+2", "10", "0"},
      {"10", "", "10", ""},
      {"-4", "1", "-5", "1"},  // a stored stock keeps its sign
  };
  std::vector<PricedRow> rows;
  int i = 0;
  for (const Case& c : cases) {
    const QString name = QStringLiteral("药%1").arg(i++);
    addDrug(name, kAntibiotic, c.stock ? std::optional<QString>(c.stock) : std::nullopt);
    rows.push_back(row(name, c.quantity, kAntibiotic));
  }
  PrescriptionRecord window = prescribed("P1", {});
  std::copy(rows.begin(), rows.end(), window.grid.begin());
  ASSERT_TRUE(dispensing().dispense(window, false).done());
  const std::vector<store::SalesLine> lines = salesOf("P1");
  ASSERT_EQ(lines.size(), std::size(cases)) << "every named row has its sales line";
  i = 0;
  for (const Case& c : cases) {
    EXPECT_EQ(stockOf(QStringLiteral("药%1").arg(i), kAntibiotic), c.after) << c.quantity;
    EXPECT_EQ(lines[static_cast<size_t>(i++)].quantity, c.sold) << c.quantity;
  }
}

TEST(SalesLines, ProfitIsSellingLessPurchaseTimesQuantityInPlainForm) {
  const std::tuple<const char*, const char*, const char*, const char*> cases[] = {
      {"1.50", "1.20", "10", "3"}, {"1.20", "1.50", "10", "-3"}, {"0.1", "", "3", "0.3"},
      {"", "", "2", "0"},          {"2", "0.5", "", "0"},
      {"1.50", "1.20", "-10", "0"}, {"-1.50", "1.20", "10", "-12"},  // typed signs read 0
  };
  for (const auto& [price, cost, quantity, profit] : cases) {
    PrescriptionRecord r;
    r.serial = "P1";
    r.grid[0] = {u16(u"[B1]片"), quantity, "", price, "", "", kAntibiotic, "", cost};
    r.grid[1][kName] = "  ";  // blank: no line
    const std::vector<store::SalesLine> lines = salesLinesOf(r);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].profit, profit) << price << " " << cost << " " << quantity;
    EXPECT_EQ(lines[0].name, u16(u"[B1]片")) << "the name as the grid shows it";
  }
}

TEST_F(DispensingTest, StockMovesRowByRowSoNoBinaryResidueIsStored) {
  addDrug(kAmoxicillin, kAntibiotic, "0.3");
  addDrug(u16(u"当归"), u16(u"中药"), "1");
  const PrescriptionRecord window =
      prescribed("P1", {row(kAmoxicillin, "0.1", kAntibiotic), row(kAmoxicillin, "0.2", kAntibiotic),
                        row(u16(u"当归"), "0.7", u16(u"中药")), row(u16(u"当归"), "0.1", u16(u"中药"))});
  const DispenseOutcome given = dispensing().dispense(window, false);
  ASSERT_TRUE(given.done()) << given.message.toStdString();
  EXPECT_EQ(stockOf(kAmoxicillin, kAntibiotic), "0");
  EXPECT_EQ(given.stored.grid[0][kStock], "0");
  EXPECT_EQ(stockOf(u16(u"当归"), u16(u"中药")), "0.2");

  // Priced again with other quantities, then undone: every step lands on a plain number.
  PrescriptionRecord repriced = given.stored;
  repriced.grid[0][kQuantity] = "0.3";
  repriced.grid[1][kQuantity] = "0.1";
  const DispenseOutcome again = dispensing().dispense(repriced, false);
  ASSERT_TRUE(again.done()) << again.message.toStdString();
  EXPECT_EQ(stockOf(kAmoxicillin, kAntibiotic), "-0.1");
  ASSERT_TRUE(dispensing().undo(again.stored, false).done());
  EXPECT_EQ(stockOf(kAmoxicillin, kAntibiotic), "0.3");
  EXPECT_EQ(stockOf(u16(u"当归"), u16(u"中药")), "1");
}

TEST_F(DispensingTest, DispensingAgainAfterRepricingMovesOnlyTheDifference) {
  addDrug(kAmoxicillin, kAntibiotic, "10");
  DispenseOutcome first = dispensing().dispense(prescribed("P1", {row(kAmoxicillin, "3", kAntibiotic)}), false);
  ASSERT_EQ(stockOf(kAmoxicillin, kAntibiotic), "7");

  PrescriptionRecord repriced = loaded(prescribed("P1", {row(kAmoxicillin, "5", kAntibiotic)}, kDispensedMark));
  ASSERT_TRUE(dispensing().dispense(repriced, false).done());
  EXPECT_EQ(stockOf(kAmoxicillin, kAntibiotic), "5") << "two more taken";
  ASSERT_EQ(salesOf("P1").size(), 1u);
  EXPECT_EQ(salesOf("P1")[0].quantity, "5");

  exec(R"(UPDATE "商品" SET "斗位" = '5.0')");  // how the stock is written must survive a price change
  PrescriptionRecord newPrice = loaded(prescribed("P1", {row(kAmoxicillin, "5", kAntibiotic, "2")}, kDispensedMark));
  ASSERT_TRUE(dispensing().dispense(newPrice, false).done());
  EXPECT_EQ(stockOf(kAmoxicillin, kAntibiotic), "5.0") << "a price change moves no stock";
  EXPECT_EQ(salesOf("P1")[0].price, "2");

  ASSERT_TRUE(dispensing().undo(newPrice, false).done());
  EXPECT_EQ(stockOf(kAmoxicillin, kAntibiotic), "10") << "undo gives back what the sales lines took";
}

TEST_F(DispensingTest, StaleWindowsTakeAndGiveBackOnce) {
  addDrug(kAmoxicillin, kAntibiotic, "10");
  // Two windows have loaded the saved prescription.
  ASSERT_TRUE(saver().save(prescribed("P1", {row(kAmoxicillin, "3", kAntibiotic)}), false).saved());
  const PrescriptionRecord undispensed = loaded(prescribed("P1", {row(kAmoxicillin, "3", kAntibiotic)}));
  const PrescriptionRecord dispensed = loaded(prescribed("P1", {row(kAmoxicillin, "3", kAntibiotic)}, kDispensedMark));

  ASSERT_TRUE(dispensing().dispense(undispensed, false).done());
  ASSERT_TRUE(dispensing().dispense(undispensed, false).done()) << "a second window still showing no mark";
  EXPECT_EQ(stockOf(kAmoxicillin, kAntibiotic), "7");
  EXPECT_EQ(salesOf("P1").size(), 1u);

  const DispenseOutcome skipped = dispensing().undo(undispensed, false);
  EXPECT_EQ(skipped.result, Result::Skipped) << "undo on a window without the mark does nothing";
  EXPECT_TRUE(skipped.message.isEmpty());
  EXPECT_EQ(stockOf(kAmoxicillin, kAntibiotic), "7");
  EXPECT_EQ(salesOf("P1").size(), 1u);
  EXPECT_EQ(storedMark("P1"), kDispensedMark);

  ASSERT_TRUE(dispensing().undo(dispensed, false).done());
  ASSERT_TRUE(dispensing().undo(dispensed, false).done()) << "a second window still showing the mark";
  EXPECT_EQ(stockOf(kAmoxicillin, kAntibiotic), "10");
  EXPECT_EQ(storedMark("P1"), "");

  // A layout change after loading a dispensed record gives a new number: its 发药 takes stock.
  ASSERT_TRUE(dispensing().dispense(dispensed, false).done());
  ASSERT_TRUE(dispensing().dispense(prescribed("P2", {row(kAmoxicillin, "3", kAntibiotic)}), false).done());
  EXPECT_EQ(stockOf(kAmoxicillin, kAntibiotic), "4");
}

TEST_F(DispensingTest, RefusalsComeBeforeAnyStockMoves) {
  addDrug(kAmoxicillin, kAntibiotic, "10");
  PrescriptionRecord empty = prescribed("P1", {});
  PrescriptionRecord noName = prescribed("P1", {row(kAmoxicillin, "3", kAntibiotic)});
  noName.header[header::kName] = "   ";
  PrescriptionRecord noDate = prescribed("P1", {row(kAmoxicillin, "3", kAntibiotic)});
  noDate.header[header::kDate] = "";
  const std::tuple<PrescriptionRecord, Result, QString> cases[] = {
      {empty, Result::NotPriced, u16(u"请点自动划价后才能发药！")},
      {noName, Result::NameMissing, u16(u"请输入患者姓名！")},
      {noDate, Result::NoVisitDate, kNoVisitDateMessage},
  };
  for (const auto& [window, result, message] : cases) {
    const DispenseOutcome outcome = dispensing().dispense(window, false);
    EXPECT_EQ(outcome.result, result);
    EXPECT_EQ(outcome.message, message);
    PrescriptionRecord marked = window;
    marked.dispenseMark = kDispensedMark;
    if (result != Result::NotPriced) { EXPECT_EQ(dispensing().undo(marked, false).result, result); }
  }
  EXPECT_EQ(stockOf(kAmoxicillin, kAntibiotic), "10");
  EXPECT_EQ(storedMark("P1"), "<no record>");
  EXPECT_TRUE(salesOf("P1").empty());
}

TEST_F(DispensingTest, AFailureOnTheWayLeavesBothFilesAsTheyWere) {
  addDrug(kAmoxicillin, kAntibiotic, "10");
  const PrescriptionRecord window = prescribed("P1", {row(kAmoxicillin, "3", kAntibiotic)});
  // The sales lines cannot be written: the stock and the record were changed by then.
  store::Database(stockDb).exec(R"(CREATE TRIGGER refuse BEFORE INSERT ON "销售管理" BEGIN SELECT RAISE(ABORT, 'full'); END;)");
  const DispenseOutcome failed = dispensing().dispense(window, false);
  EXPECT_EQ(failed.result, Result::Failed);
  EXPECT_TRUE(failed.message.startsWith(kDispenseFailedMessage)) << failed.message.toStdString();
  EXPECT_EQ(stockOf(kAmoxicillin, kAntibiotic), "10");
  EXPECT_EQ(storedMark("P1"), "<no record>");
  EXPECT_FALSE(QFile::exists(counterFile));

  // The inventory file gone: nothing is stored in the main file either.
  QFile::remove(stockDb);
  EXPECT_EQ(dispensing().dispense(window, false).result, Result::Failed);
  EXPECT_EQ(storedMark("P1"), "<no record>");
  EXPECT_EQ(dispensing().remove(loaded(window)).result, Result::Failed);
}

TEST_F(DispensingTest, DeletingGivesStockBackToTheRowOfItsCategoryOnly) {
  addDrug(kAmoxicillin, kOtherWestern, "20");  // same name, another category, stored first
  addDrug(kAmoxicillin, kAntibiotic, "10");
  addDrug(u16(u"维生素C"), kOtherWestern, "");
  const PrescriptionRecord window =
      prescribed("P1", {row(kAmoxicillin, "3", kAntibiotic), row(u16(u"维生素C"), "2", kOtherWestern)});
  ASSERT_TRUE(dispensing().dispense(window, false).done());
  ASSERT_EQ(stockOf(kAmoxicillin, kAntibiotic), "7");

  EXPECT_TRUE(dispensing().remove(loaded(window)).done());
  EXPECT_EQ(stockOf(kAmoxicillin, kAntibiotic), "10");
  EXPECT_EQ(stockOf(kAmoxicillin, kOtherWestern), "20");
  EXPECT_EQ(stockOf(u16(u"维生素C"), kOtherWestern), "");
  EXPECT_EQ(storedMark("P1"), "<no record>");
  EXPECT_TRUE(salesOf("P1").empty());

  // Never dispensed: the record and any lines under its number go, no stock moves.
  ASSERT_TRUE(saver().save(prescribed("P2", {row(kAmoxicillin, "3", kAntibiotic)}), false).saved());
  {
    store::Database db(stockDb);
    store::SalesLine line;
    line.serial = "P2";
    line.name = kAmoxicillin;
    line.quantity = "3";
    store::SalesLines(db).add({line});
  }
  EXPECT_TRUE(dispensing().remove(loaded(prescribed("P2", {}))).done());
  EXPECT_EQ(stockOf(kAmoxicillin, kAntibiotic), "10");
  EXPECT_TRUE(salesOf("P2").empty());
  EXPECT_EQ(storedMark("P2"), "<no record>");
}

TEST_F(DispensingTest, UndoAndDeleteAfterADrugWasRenamedOrRemovedAskFirst) {
  struct Case {
    const char* what;
    bool renamed;  // since it was dispensed the drug was renamed, or removed
    bool undo;     // 撤消发药, or 删除
  };
  const Case cases[] = {
      {"renamed, undo", true, true},
      {"removed, undo", false, true},
      {"renamed, delete", true, false},
      {"removed, delete", false, false},
  };
  addDrug(u16(u"挂号费"), u16(u"收费项目"), std::nullopt, "3", "");  // stock not kept: never asked about
  int n = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const QString serial = QStringLiteral("P%1").arg(++n);
    const QString gone = QStringLiteral("阿莫西林%1").arg(n);
    const QString kept = QStringLiteral("维生素%1").arg(n);
    addDrug(gone, kAntibiotic, "10");
    addDrug(kept, kOtherWestern, "5");
    const DispenseOutcome given = dispensing().dispense(
        prescribed(serial, {row(gone, "3", kAntibiotic), row(kept, "1", kOtherWestern), row(u16(u"挂号费"), "1", u16(u"收费项目"))}),
        false);
    ASSERT_TRUE(given.done()) << given.message.toStdString();
    {
      store::Database db(mainDb);
      SQLite::Statement change(db.sql(), c.renamed ? R"(UPDATE "商品" SET "名称" = ?1 || '(新)' WHERE "名称" = ?1)"
                                                   : R"(DELETE FROM "商品" WHERE "名称" = ?1)");
      store::bindText(change, 1, gone);
      ASSERT_EQ(change.exec(), 1);
    }
    const auto act = [&](const QStringList& goOnWithout) {
      return c.undo ? dispensing().undo(given.stored, false, goOnWithout) : dispensing().remove(given.stored, goOnWithout);
    };

    const DispenseOutcome asked = act({});
    EXPECT_EQ(asked.result, Result::DrugsMissing);
    EXPECT_EQ(asked.missingDrugs, QStringList{gone});
    EXPECT_TRUE(asked.message.contains(QStringLiteral("“%1”在药物目录中找不到").arg(gone))) << asked.message.toStdString();
    EXPECT_TRUE(asked.message.contains(c.undo ? kUndoAction : kDeleteAction));
    EXPECT_EQ(stockOf(kept, kOtherWestern), "4") << "nothing changed before the answer";
    EXPECT_EQ(salesOf(serial).size(), 3u);
    EXPECT_EQ(storedMark(serial), kDispensedMark);

    const DispenseOutcome done = act({gone});
    ASSERT_TRUE(done.done()) << done.message.toStdString();
    EXPECT_EQ(stockOf(kept, kOtherWestern), "5") << "the drug still there gets its stock back";
    EXPECT_TRUE(salesOf(serial).empty());
    EXPECT_EQ(storedMark(serial), c.undo ? QString("") : QString("<no record>"));
    if (c.renamed) {  // the row under its new name keeps its stock
      EXPECT_EQ(stockOf(gone + "(新)", kAntibiotic), "7");
    }
  }
}

TEST_F(DispensingTest, ARecordDeletedOnAnotherWorkstationIsNeitherSavedDispensedNorUndone) {
  addDrug(kAmoxicillin, kAntibiotic, "10");
  // A prescription never saved is saved by 发药.
  const DispenseOutcome given = dispensing().dispense(prescribed("P1", {row(kAmoxicillin, "3", kAntibiotic)}), false);
  ASSERT_TRUE(given.done()) << given.message.toStdString();
  ASSERT_EQ(storedMark("P1"), kDispensedMark);
  ASSERT_TRUE(dispensing().remove(given.stored).done());  // the other workstation's delete
  ASSERT_EQ(stockOf(kAmoxicillin, kAntibiotic), "10");
  const QByteArray counter = testing_support::readBytes(counterFile);

  PrescriptionRecord undispensed = given.stored;
  undispensed.dispenseMark = "";
  const std::pair<const char*, DispenseOutcome> cases[] = {
      {"undo", dispensing().undo(given.stored, false)},
      {"dispense, showing the mark", dispensing().dispense(given.stored, false)},
      {"dispense, showing no mark", dispensing().dispense(undispensed, false)},
  };
  for (const auto& [what, outcome] : cases) {
    EXPECT_EQ(outcome.result, Result::Gone) << what;
    EXPECT_EQ(outcome.message, kRecordGoneMessage) << what;
  }
  // 保存 and 自动划价 refuse the same way, marked or not.
  for (const PrescriptionRecord& shown : {given.stored, undispensed}) {
    const SaveOutcome saved = saver().save(shown, false);
    EXPECT_EQ(saved.result, SaveOutcome::Result::Gone);
    EXPECT_EQ(saved.message, kRecordGoneMessage);
  }
  EXPECT_EQ(stockOf(kAmoxicillin, kAntibiotic), "10");
  EXPECT_EQ(storedMark("P1"), "<no record>");
  EXPECT_TRUE(salesOf("P1").empty());
  EXPECT_EQ(testing_support::readBytes(counterFile), counter);
}

TEST_F(DispensingTest, ANewPrescriptionWhoseNumberIsTakenIsDispensedUnderTheNextFreeNumber) {
  addDrug(kAmoxicillin, kAntibiotic, "10");
  const QString serial = "20261210202802F776";
  ASSERT_TRUE(dispensing().dispense(prescribed(serial, {row(kAmoxicillin, "3", kAntibiotic)}), false).done());

  // Another copy of the program on the same machine started its prescription in the same second.
  PrescriptionRecord other = prescribed(serial, {row(kAmoxicillin, "2", kAntibiotic)});
  other.header[header::kName] = u16(u"李四");
  QStringList told;
  const DispenseOutcome second =
      dispensing().whenRenumbered([&](const QString& s) { told << s; }).dispense(other, false);
  ASSERT_TRUE(second.done()) << second.message.toStdString();
  EXPECT_EQ(second.stored.serial, "20261210202803F776");
  EXPECT_EQ(told, QStringList{"20261210202803F776"});
  EXPECT_EQ(stockOf(kAmoxicillin, kAntibiotic), "5");
  EXPECT_EQ(values(R"(SELECT "序号" || '|' || "0" || '|' || "发药" FROM "档案" ORDER BY "序号")"),
            (QStringList{serial + u16(u"|张三|-已发药"), u16(u"20261210202803F776|李四|-已发药")}));
  ASSERT_EQ(salesOf(serial).size(), 1u);
  EXPECT_EQ(salesOf(serial)[0].patient, u16(u"张三"));
  ASSERT_EQ(salesOf("20261210202803F776").size(), 1u);
  EXPECT_EQ(salesOf("20261210202803F776")[0].patient, u16(u"李四"));

  // Undone from the window that now shows the new number: only its own stock comes back.
  ASSERT_TRUE(dispensing().undo(second.stored, false).done());
  EXPECT_EQ(stockOf(kAmoxicillin, kAntibiotic), "7");
  EXPECT_EQ(storedMark(serial), kDispensedMark);
}

TEST_F(DispensingTest, ADeleteOfANumberTheWindowNeverLoadedOrSavedDeletesNothing) {
  addDrug(kAmoxicillin, kAntibiotic, "10");
  const QString serial = "20261210202802F776";
  // Another copy of the program stored and dispensed its prescription under the number
  // that this window shows too, unsaved.
  ASSERT_TRUE(dispensing().dispense(prescribed(serial, {row(kAmoxicillin, "3", kAntibiotic)}), false).done());
  for (const QString& mark : {QString(""), kDispensedMark}) {
    const DispenseOutcome outcome = dispensing().remove(prescribed(serial, {row(kAmoxicillin, "2", kAntibiotic)}, mark));
    EXPECT_EQ(outcome.result, Result::Skipped) << mark.toStdString();
    EXPECT_EQ(storedMark(serial), kDispensedMark);
    EXPECT_EQ(salesOf(serial).size(), 1u);
    EXPECT_EQ(stockOf(kAmoxicillin, kAntibiotic), "7");
  }
}

}  // namespace
