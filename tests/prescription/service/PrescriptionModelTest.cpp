// The prescription model on a real data folder, without a window: the chains the window's
// buttons run (price, save, list; new, continue, copy; load, dispense, undo, delete), what
// stays put when a step fails, and commands that arrive while another one runs.
#include "prescription/service/PrescriptionModel.h"

#include "prescription/service/AutomaticPricing.h"
#include "prescription/service/Composition.h"
#include "prescription/service/Dispensing.h"
#include "prescription/service/HerbalLayout.h"
#include "prescription/service/InfusionCardText.h"
#include "prescription/service/PrescriptionLoad.h"
#include "prescription/service/StockFixture.h"
#include "support/FileFaults.h"
#include "support/ScriptedDialogs.h"

#include <gtest/gtest.h>

namespace {

using namespace prescription;
using testing_support::u16;
using Answer = platform::Dialogs::Answer;

const QString kAntibiotic = u16(u"西成药·抗生素");
const QString kAmoxicillin = u16(u"阿莫西林胶囊");
const QString kTwoBoxes = u16(u"1. 阿莫西林胶囊 0.25g*24粒×2\r\n    用法：口服 每日3次");

// Questions answered from the script; `whileAsking` runs inside each question, as a click
// reaching the program while a question box is open would.
class AskingDialogs : public testing_support::ScriptedDialogs {
 public:
  Answer ask(const QString& text, const QString& title, Buttons buttons, Icon icon = Icon::Question) override {
    if (whileAsking) whileAsking();
    return ScriptedDialogs::ask(text, title, buttons, icon);
  }
  std::function<void()> whileAsking;
};

class PrescriptionModelTest : public testing_support::StockTest {
 protected:
  PrescriptionModelTest()
      : serials([this] { return clock = clock.addSecs(1); }),
        model(Workplace{[this] { return mainDb; }, [this] { return stockDb; }, [this] { return counterFile; },
                        [] { return QStringLiteral("AB"); }, [] { return settings::SettingsValues{}; }, &serials,
                        [] { return kToday; }},
              dialogs) {
    QObject::connect(&model, &PrescriptionModel::changed, [this](unsigned what) { changes.push_back(what); });
    addDrug(kAmoxicillin, kAntibiotic, "40", "6.25", "4.80");
  }

  // A patient typed in on a fresh prescription, with the one-drug text.
  void typePrescription(const QString& name = u16(u"张三")) {
    model.startWithDefaults();
    model.setHeaderField(header::kName, name);
    model.setHeaderField(header::kAge, "35");
    model.setText(kTwoBoxes);
  }
  int recordCount() const { return values(R"(SELECT COUNT(*) FROM "档案")").value(0).toInt(); }
  QString serialOf(int historyItem) const { return model.history().at(static_cast<size_t>(historyItem)).serial; }

  QDateTime clock{QDate(2024, 3, 5), QTime(10, 15)};
  text::SerialSource serials;
  AskingDialogs dialogs;
  PrescriptionModel model;
  std::vector<unsigned> changes;
};

TEST_F(PrescriptionModelTest, PricingPricesSavesAndListsTodayInOneCommand) {
  typePrescription();
  changes.clear();
  const CommandOutcome outcome = model.priceSaveAndList();
  ASSERT_TRUE(outcome.done()) << outcome.message.toStdString();

  const PrescriptionState& s = model.state();
  EXPECT_EQ(s.grid[0][kName], kAmoxicillin);
  EXPECT_EQ(s.grid[0][kAmount], "12.500");
  EXPECT_EQ(s.total, "12.50");
  EXPECT_EQ(s.header[header::kTotal], s.total);
  EXPECT_TRUE(s.numberLoadedOrSaved) << "a priced prescription is saved under its number";
  EXPECT_EQ(values(R"(SELECT "0" FROM "档案" WHERE "序号" = ?)", {s.number}), QStringList{u16(u"张三")});
  ASSERT_EQ(model.history().size(), 1u);
  EXPECT_EQ(serialOf(0), s.number);
  EXPECT_EQ(model.historyWindow().from, "2024-03-05") << "today's patients are listed";
  ASSERT_EQ(changes.size(), 1u) << "one command, one notice of what changed";
  EXPECT_TRUE(changes[0] & PrescriptionModel::Grid);
  EXPECT_TRUE(changes[0] & PrescriptionModel::History);

  // Priced again without a change: the same record is rewritten, not a second one made.
  ASSERT_TRUE(model.priceSaveAndList().done());
  EXPECT_EQ(recordCount(), 1);
}

TEST_F(PrescriptionModelTest, NewContinueAndCopyStartPrescriptionsUnderNewNumbers) {
  typePrescription();
  ASSERT_TRUE(model.priceSaveAndList().done());
  const QString first = model.state().number;

  struct Case {
    const char* what;
    std::function<void()> start;
    QString name;  // the patient the new prescription has
    bool textKept;
  };
  const Case cases[] = {
      {"新建", [&] { model.newPrescription(); }, "", false},
      {"续开", [&] { model.continuePrescription(); }, u16(u"张三"), false},
      {"复制处方", [&] { model.beginCopy(); model.finishCopy(); }, u16(u"张三"), true},
  };
  int records = 1;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    model.setHeaderField(header::kName, u16(u"张三"));
    model.setText(kTwoBoxes);
    c.start();
    const PrescriptionState& s = model.state();
    EXPECT_NE(s.number, first);
    EXPECT_FALSE(s.numberLoadedOrSaved) << "its save must not take over the stored record";
    EXPECT_EQ(s.header[header::kName], c.name);
    EXPECT_EQ(s.text, c.textKept ? kTwoBoxes : QString());
    EXPECT_TRUE(s.grid[0][kName].isEmpty()) << "a new prescription is priced afresh";
    EXPECT_TRUE(s.dispenseMark.isEmpty());
    model.setHeaderField(header::kName, u16(u"李四"));
    ASSERT_TRUE(model.save().done());
    EXPECT_EQ(recordCount(), ++records);
  }
  EXPECT_EQ(values(R"(SELECT "0" FROM "档案" WHERE "序号" = ?)", {first}), QStringList{u16(u"张三")})
      << "the first prescription is untouched by the ones after it";
}

TEST_F(PrescriptionModelTest, LoadedPrescriptionIsDispensedAndUndoneOnItsOwnRecord) {
  typePrescription();
  ASSERT_TRUE(model.priceSaveAndList().done());
  const QString serial = model.state().number;
  model.newPrescription();
  ASSERT_TRUE(model.listToday().done());

  ASSERT_TRUE(model.loadFromHistory(0).done());
  EXPECT_EQ(model.state().number, serial);
  EXPECT_EQ(model.state().text, kTwoBoxes);
  EXPECT_EQ(model.historyIndex(), 0);

  const CommandOutcome dispensed = model.dispense();
  ASSERT_TRUE(dispensed.done()) << dispensed.message.toStdString();
  EXPECT_EQ(model.state().dispenseMark, kDispensedMark);
  EXPECT_EQ(model.state().grid[0][kStock], "38") << "the grid shows the stock left";
  EXPECT_EQ(stockOf(kAmoxicillin, kAntibiotic), "38");
  EXPECT_TRUE(model.history().at(0).text.endsWith(kDispensedMark)) << "the list is read again";

  const CommandOutcome undone = model.undoDispense();
  ASSERT_TRUE(undone.done()) << undone.message.toStdString();
  EXPECT_TRUE(model.state().dispenseMark.isEmpty());
  EXPECT_EQ(stockOf(kAmoxicillin, kAntibiotic), "40");
  EXPECT_EQ(recordCount(), 1);
}

TEST_F(PrescriptionModelTest, FailedStepsSayWhyAndLeaveEverythingAsItWas) {
  typePrescription();
  const PrescriptionState before = model.state();
  {
    const testing_support::ShortBusyTimeout shortWait;
    const testing_support::ExclusiveLock lock(mainDb);
    const CommandOutcome saved = model.save();
    EXPECT_EQ(saved.result, CommandOutcome::Result::Failed);
    EXPECT_FALSE(saved.message.isEmpty());
    const CommandOutcome priced = model.priceSaveAndList();
    EXPECT_FALSE(priced.done());
    EXPECT_EQ(priced.message, kPricingFailedMessage + u16(u"文件正被其他程序或工作站占用"));
  }
  EXPECT_EQ(model.state().number, before.number);
  EXPECT_FALSE(model.state().numberLoadedOrSaved);
  EXPECT_EQ(recordCount(), 0);

  // Not priced: dispensing refuses and says so.
  const CommandOutcome unpriced = model.dispense();
  EXPECT_EQ(unpriced.result, CommandOutcome::Result::Declined);
  EXPECT_EQ(unpriced.message, kNotPricedMessage);
  EXPECT_EQ(stockOf(kAmoxicillin, kAntibiotic), "40");

  // No name: nothing is stored, the list still shows today.
  model.setHeaderField(header::kName, "");
  const CommandOutcome nameless = model.saveAndListToday();
  EXPECT_EQ(nameless.result, CommandOutcome::Result::Declined);
  EXPECT_EQ(nameless.message, kNameMissingMessage);
  EXPECT_EQ(recordCount(), 0);
  EXPECT_EQ(model.historyWindow().to, "2024-03-05");
}

TEST_F(PrescriptionModelTest, RecordDeletedElsewhereIsNotLoadedAndTheListIsReadAgain) {
  typePrescription();
  ASSERT_TRUE(model.priceSaveAndList().done());
  model.newPrescription();
  const PrescriptionState shown = model.state();
  exec(R"(DELETE FROM "档案";)");

  const CommandOutcome loaded = model.loadFromHistory(0);
  EXPECT_FALSE(loaded.done());
  EXPECT_EQ(loaded.message, kRecordGoneMessage);
  EXPECT_TRUE(model.history().empty());
  EXPECT_EQ(model.state().number, shown.number) << "the sheet keeps what it showed";
  EXPECT_EQ(model.loadFromHistory(0).result, CommandOutcome::Result::Declined) << "nothing listed, nothing loaded";
}

TEST_F(PrescriptionModelTest, UndoWithADrugGoneFromTheCatalogueAsksAndChangesNothingWhenDeclined) {
  typePrescription();
  ASSERT_TRUE(model.priceSaveAndList().done());
  ASSERT_TRUE(model.dispense().done());
  exec(R"(DELETE FROM "商品";)");

  dialogs.answers.enqueue(Answer::No);
  const CommandOutcome declined = model.undoDispense();
  EXPECT_EQ(declined.result, CommandOutcome::Result::Declined);
  ASSERT_EQ(dialogs.messages.size(), 1);
  EXPECT_TRUE(dialogs.messages[0].text.contains(kAmoxicillin));
  EXPECT_EQ(model.state().dispenseMark, kDispensedMark);
  EXPECT_EQ(storedMark(model.state().number), kDispensedMark);
  EXPECT_EQ(salesOf(model.state().number).size(), 1u);

  dialogs.answers.enqueue(Answer::Yes);
  ASSERT_TRUE(model.undoDispense().done());
  EXPECT_TRUE(model.state().dispenseMark.isEmpty());
  EXPECT_TRUE(salesOf(model.state().number).empty());
}

TEST_F(PrescriptionModelTest, DeleteAsksFirstThenRemovesTheRecordAndItsListItem) {
  typePrescription();
  ASSERT_TRUE(model.priceSaveAndList().done());
  const QString serial = model.state().number;

  dialogs.answers.enqueue(Answer::Cancel);
  EXPECT_EQ(model.removeShown().result, CommandOutcome::Result::Declined);
  EXPECT_EQ(recordCount(), 1);

  dialogs.answers.enqueue(Answer::Ok);
  ASSERT_TRUE(model.removeShown().done());
  EXPECT_EQ(recordCount(), 0);
  EXPECT_TRUE(model.history().empty());
  EXPECT_NE(model.state().number, serial);
  EXPECT_TRUE(model.state().text.isEmpty());
  EXPECT_TRUE(model.state().header[header::kName].isEmpty());
}

// 删除 deletes only a record this window loaded or saved. A number it does not own (another
// copy of the program stored under it, or a copy took the number the window's own save moved
// to) deletes nothing, the record keeps its list item, and the window starts anew.
TEST_F(PrescriptionModelTest, DeleteOfANumberTheWindowDoesNotOwnDeletesNothingAndStartsAnew) {
  const auto otherProgramSavesUnderTheShownNumber = [this] {
    PrescriptionRecord other = prescribed(model.state().number, {row(kAmoxicillin, "3", kAntibiotic)});
    other.header[header::kName] = u16(u"李四");
    ASSERT_TRUE(dispensing().dispense(other, false).done());
  };
  const auto copyTakesTheMovedNumber = [this] {
    const QString number = model.state().number;
    exec(QStringLiteral(R"(INSERT INTO "档案" ("序号", "0", "5") VALUES ('%1', '李四', '2024-03-05'))").arg(number));
    ASSERT_TRUE(model.priceSaveAndList().done());
    ASSERT_EQ(model.state().number, nextSerial(number)) << "the save moved on";
    ASSERT_TRUE(model.dispense().done());
    clock = clock.addSecs(-2);  // the clock gives the copy the second the save moved to
    model.beginCopy();
    model.finishCopy();
    ASSERT_EQ(model.state().number, nextSerial(number));
    ASSERT_FALSE(model.state().numberLoadedOrSaved);
  };
  const std::pair<const char*, std::function<void()>> cases[] = {
      {"another program saved under the number", otherProgramSavesUnderTheShownNumber},
      {"a copy took the number the save moved to", copyTakesTheMovedNumber},
  };
  for (const auto& [what, happen] : cases) {
    SCOPED_TRACE(what);
    exec(R"(DELETE FROM "档案"; UPDATE "商品" SET "斗位" = '40';)");
    store::Database(stockDb).exec(R"(DELETE FROM "销售管理";)");
    typePrescription();
    happen();
    ASSERT_TRUE(model.listToday().done());
    const QString number = model.state().number;
    const int records = recordCount();
    const QString mark = storedMark(number);
    const QString stock = stockOf(kAmoxicillin, kAntibiotic);
    const size_t lines = salesOf(number).size();
    const size_t listed = model.history().size();
    ASSERT_EQ(mark, kDispensedMark);

    dialogs.answers.enqueue(Answer::Ok);
    ASSERT_TRUE(model.removeShown().done());
    EXPECT_EQ(recordCount(), records);
    EXPECT_EQ(storedMark(number), mark);
    EXPECT_EQ(salesOf(number).size(), lines);
    EXPECT_EQ(stockOf(kAmoxicillin, kAntibiotic), stock);
    EXPECT_EQ(model.history().size(), listed) << "the record keeps its list item";
    EXPECT_NE(model.state().number, number);
    EXPECT_TRUE(model.state().header[header::kName].isEmpty());
    EXPECT_TRUE(model.state().text.isEmpty());
  }
}

TEST_F(PrescriptionModelTest, CommandsArrivingWhileAnotherRunsAreRefusedNotInterleaved) {
  typePrescription();
  ASSERT_TRUE(model.priceSaveAndList().done());
  ASSERT_TRUE(model.dispense().done());
  exec(R"(DELETE FROM "商品";)");

  // While the undo asks about the missing drug, a pick, a save, a text edit and a load come in.
  const PrescriptionState before = model.state();
  std::vector<CommandOutcome::Result> refused;
  dialogs.whileAsking = [&] {
    refused.push_back(model.pick(ListEntry{u16(u"维生素C片"), {}, "9"}, 0, 0).result);
    refused.push_back(model.save().result);
    refused.push_back(model.loadFromHistory(0).result);
    model.setText(u16(u"别的处方"));
    model.setGridCell(0, kQuantity, "9");
    model.setHeaderField(header::kSex, "1");
  };
  dialogs.answers.enqueue(Answer::No);
  model.undoDispense();
  EXPECT_EQ(refused, std::vector<CommandOutcome::Result>(3, CommandOutcome::Result::Busy));
  EXPECT_EQ(model.state().text, before.text);
  EXPECT_EQ(model.state().grid, before.grid);
  EXPECT_EQ(model.state().header, before.header);
  EXPECT_EQ(recordCount(), 1);

  // During a copy's pause the text shows empty: a save then would store the empty text.
  dialogs.whileAsking = nullptr;
  model.beginCopy();
  EXPECT_TRUE(model.state().text.isEmpty());
  EXPECT_EQ(model.save().result, CommandOutcome::Result::Busy);
  EXPECT_EQ(model.pick(ListEntry{kAmoxicillin, {}, "1"}, 0, 0).result, CommandOutcome::Result::Busy);
  model.finishCopy();
  EXPECT_EQ(model.state().text, kTwoBoxes);
  EXPECT_EQ(recordCount(), 1);
}

TEST_F(PrescriptionModelTest, PicksComposeTheTextAndTheInfusionCardFollows) {
  model.chooseCategory(0);
  ASSERT_TRUE(model.pick(ListEntry{u16(u"葡萄糖注射液 250ml"), {}, "1"}, 0, 0).done());
  EXPECT_TRUE(model.state().text.contains(u16(u"葡萄糖注射液")));
  EXPECT_EQ(model.state().infusionCard, infusionCardOf(model.state().text));

  model.chooseCategory(kHerbs);
  EXPECT_TRUE(model.state().herbal);
  ASSERT_TRUE(model.pick(ListEntry{u16(u"当归 10g"), {}, "2"}, 0, 0).done());
  const HerbalLayout laidOut = herbalLayout(model.state().text);
  EXPECT_EQ(laidOut.text, model.state().text) << "a herbal pick lays the herbs out";
  EXPECT_EQ(laidOut.entries, QStringList({u16(u"当归 10g")}));
  const CommandOutcome twice = model.pick(ListEntry{u16(u"当归 10g"), {}, "2"}, 0, 0);
  EXPECT_EQ(twice.result, CommandOutcome::Result::Declined);
  EXPECT_EQ(twice.message, kDuplicateHerbMessage);
}

TEST_F(PrescriptionModelTest, HeaderFieldRulesRunInTheModelAndWhatTheyMakeIsStored) {
  model.startWithDefaults();
  struct Case {
    int field;
    const char* typed;
    int changedField;
    const char* expected;  // the changed field afterwards
    bool saysHeader;       // the window is told to show the header again
  };
  const Case cases[] = {
      {header::kSex, "1", header::kSex, "男", true},
      {header::kSex, "2", header::kSex, "女", true},
      {header::kSex, "3", header::kSex, "3", false},
      {header::kDrugFee, "12.5", header::kTotal, "12.50", true},
      {header::kOtherFee, "3", header::kTotal, "15.50", true},
      {header::kOtherFee, "3.0", header::kTotal, "15.50", false},
      {header::kTotal, "99", header::kTotal, "99", false},  // 合计 itself is taken as typed
  };
  for (const Case& c : cases) {
    changes.clear();
    const FieldChange change = model.setHeaderField(c.field, QString::fromUtf8(c.typed));
    EXPECT_EQ(model.state().header[c.changedField], QString::fromUtf8(c.expected)) << c.field << " " << c.typed;
    EXPECT_EQ(!changes.empty() && (changes.back() & PrescriptionModel::Header), c.saysHeader) << c.typed;
    EXPECT_FALSE(change.replaceText || change.total) << "the model applied them itself";
  }

  // The click on the sex field toggles it; what is no sex becomes "男".
  for (const char* sex : {"男", "女", "男"}) {
    model.toggleSex();
    EXPECT_EQ(model.state().header[header::kSex], QString::fromUtf8(sex));
  }

  // The fee total is stored as the model worked it out, with no window involved.
  model.setHeaderField(header::kName, u16(u"张三"));
  model.setHeaderField(header::kTotal, "");
  model.setHeaderField(header::kOtherFee, "4");
  ASSERT_TRUE(model.save().done());
  EXPECT_EQ(values(R"(SELECT "16" FROM "档案" WHERE "序号" = ?)", {model.state().number}), QStringList{"16.50"});
}

}  // namespace
