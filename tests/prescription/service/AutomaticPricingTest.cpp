// Automatic pricing against a catalogue on a real file: what a priced grid row holds,
// which rows a name finds, the herbal quantities, and the grid's 71 rows.
#include "prescription/service/AutomaticPricing.h"
#include "prescription/service/PrescriptionState.h"
#include "prescription/service/StockFixture.h"
#include "store/KeptConnection.h"
#include "support/FileFaults.h"

#include <gtest/gtest.h>

namespace {

using namespace prescription;
using testing_support::u16;

const QString kAntibiotic = u16(u"西成药·抗生素");

class AutomaticPricingTest : public testing_support::StockTest {
 protected:
  PricingOutcome price(PrescriptionState& state) const { return AutomaticPricing(mainDb).price(state); }

  static PrescriptionState ordinary(const QString& text) {
    PrescriptionState state;
    state.text = text;
    return state;
  }
};

TEST_F(AutomaticPricingTest, AnOrdinaryLineBecomesAGridRowOfNineCatalogueFields) {
  addDrug(u16(u"阿莫西林胶囊"), kAntibiotic, "40", "6.25", "4.80", u16(u"盒"), "A1");
  addDrug(u16(u"维生素{B1}片"), u16(u"西成药·维生素激素"), "", "0.5", "0.3", u16(u"瓶"), "");
  addDrug(u16(u"挂号费"), u16(u"收费项目"), std::nullopt, "3", "", u16(u"次"));
  addDrug(u16(u"当归"), u16(u"中药"), "100", "0.2");
  addDrug(u16(u"口服"), u16(u"用法"), "", "1");
  PrescriptionState state = ordinary(u16(
      u"1. 阿莫西林胶囊 0.25g*24粒×2\r\n    用法：口服 每日3次\r\n2. 维生素[B1]片 10mg×100片×1瓶\r\n"
      u"当归 10g\r\n口服 3\r\n挂号费 1"));
  const PricingOutcome outcome = price(state);
  ASSERT_TRUE(outcome.priced) << outcome.reason.toStdString();

  EXPECT_EQ(state.grid[0], (PricedRow{u16(u"阿莫西林胶囊"), "2", u16(u"盒"), "6.25", "12.500", "40", kAntibiotic, "A1",
                                      "4.80"}));
  EXPECT_EQ(state.grid[1][kName], u16(u"维生素[B1]片")) << "braces shown as brackets";
  EXPECT_EQ(state.grid[1][kStock], "");
  EXPECT_EQ(state.grid[2], (PricedRow{u16(u"挂号费"), "1", u16(u"次"), "3", "3.000", "", u16(u"收费项目"), "", ""}));
  EXPECT_EQ(state.grid[3][kName], "") << "herbs and usage phrases are never priced on an ordinary sheet";
  EXPECT_EQ(outcome.lines[1][kName], u16(u"维生素{B1}片")) << "priced lines keep the stored form";
  EXPECT_EQ(state.header[header::kDrugFee], "13.00");
  EXPECT_EQ(state.header[header::kOtherFee], "3.00");
  EXPECT_EQ(state.header[header::kTotal], "16.00");
  EXPECT_EQ(state.total, "16.00");
}

TEST_F(AutomaticPricingTest, NamesMatchWithoutTrailingBlanksOrLetterCaseFirstRowWinning) {
  addDrug(u16(u"维生素C  "), kAntibiotic, "5", "0.1");
  addDrug(u16(u"维生素c"), kAntibiotic, "6", "0.2");  // a second match: never taken
  addDrug(u16(u" 布洛芬"), kAntibiotic, "7", "0.3");
  const std::pair<const char16_t*, const char*> cases[] = {
      {u"维生素C 0.1g×1", "5"}, {u"维生素c 0.1g×1", "5"}, {u"维生素C\u3000 0.1g×1", ""},
      {u"布洛芬 0.3g×1", ""},    // a blank in front counts
  };
  for (const auto& [line, stock] : cases) {
    PrescriptionState state = ordinary(u16(line));
    ASSERT_TRUE(price(state).priced);
    EXPECT_EQ(state.grid[0][kStock], stock) << u16(line).toStdString();
    if (*stock) { EXPECT_EQ(state.grid[0][kName], u16(u"维生素C  ")) << "the catalogue's name as stored"; }
  }
}

TEST_F(AutomaticPricingTest, HerbsTakeDosesTimesDoseAndFeeLinesFollow) {
  addDrug(u16(u"当归"), u16(u"中药"), "500", "0.2", "0.1", "g");
  addDrug(u16(u"挂号费"), u16(u"收费项目"), "", "3", "", u16(u"次"));
  addDrug(u16(u"挂号费"), kAntibiotic, "", "99");  // never found on a fee line
  struct Case {
    const char* doses;
    const char* quantity;
    const char* amount;
  };
  for (const Case c : {Case{"7", "70", "14.000"}, Case{"", "0", ""}}) {
    PrescriptionState state;
    state.herbal = true;
    state.doses = c.doses;
    state.text = u16(u"当归 10g\r\n挂号费 1");
    ASSERT_TRUE(price(state).priced);
    EXPECT_EQ(state.grid[0][kName], u16(u"当归"));
    EXPECT_EQ(state.grid[0][kQuantity], c.quantity) << c.doses;
    EXPECT_EQ(state.grid[0][kAmount], c.amount) << c.doses;
    EXPECT_EQ(state.grid[1], (PricedRow{u16(u"挂号费"), "1", u16(u"次"), "3", "3.000", "", u16(u"收费项目"), "", ""}));
    EXPECT_TRUE(state.text.startsWith(u16(u"当归"))) << "the herbs are laid out first";
  }
}

TEST_F(AutomaticPricingTest, EightyPricedLinesFillTheGridsSeventyOneRows) {
  addDrug(u16(u"维生素C"), kAntibiotic, "", "0.1");
  QString text;
  for (int i = 0; i < 80; ++i) text += QStringLiteral("维生素C 0.1g×%1\r\n").arg(i + 1);
  PrescriptionState state = ordinary(text);
  const PricingOutcome outcome = price(state);
  EXPECT_EQ(outcome.lines.size(), 80u);
  EXPECT_EQ(state.grid[70][kQuantity], "71");
  EXPECT_EQ(state.header[header::kDrugFee], "255.60") << "the 71 rows shown are the ones totalled";
}

TEST_F(AutomaticPricingTest, AnUnreadableCatalogueLeavesTheWindowAsItWas) {
  PrescriptionState state = ordinary(u16(u"维生素C 0.1g×1"));
  state.grid[0][kName] = u16(u"旧行");
  QFile::remove(mainDb);
  const PricingOutcome outcome = price(state);
  EXPECT_FALSE(outcome.priced);
  EXPECT_FALSE(outcome.reason.isEmpty());
  EXPECT_EQ(state.grid[0][kName], u16(u"旧行"));
}

}  // namespace

namespace {

// The window prices on the connection it keeps: prices and stock changed by another
// workstation in between (which leave the catalogue's version as it was) are priced as
// they are now, and a failed pricing leaves the next one free to open the file again.
TEST_F(AutomaticPricingTest, AKeptConnectionPricesWhatIsStoredNow) {
  const testing_support::ShortBusyTimeout shortWait;  // for every connection of the test
  addDrug(u16(u"阿莫西林胶囊"), kAntibiotic, "40", "6.25", "4.80", u16(u"盒"), "A1");
  store::KeptConnection window(mainDb);
  const auto pricedRow = [&] {
    PrescriptionState state = ordinary(u16(u"阿莫西林胶囊 0.25g×2"));
    const PricingOutcome outcome = AutomaticPricing(window).price(state);
    return outcome.priced ? state.grid[0][kPrice] + "|" + state.grid[0][kStock] : "failed: " + outcome.reason;
  };
  EXPECT_EQ(pricedRow(), "6.25|40");
  store::Database(mainDb).exec(R"(UPDATE "商品" SET "单价" = '7.5', "斗位" = '38')");
  EXPECT_EQ(pricedRow(), "7.5|38");
  {
    const testing_support::ExclusiveLock lock(mainDb);
    EXPECT_EQ(pricedRow(), u16(u"failed: 文件正被其他程序或工作站占用"));
  }
  store::Database(mainDb).exec(R"(UPDATE "商品" SET "单价" = '8')");
  EXPECT_EQ(pricedRow(), "8|38");
  EXPECT_EQ(window.opened(), 2);  // once, and once more after the failure
}

}  // namespace
