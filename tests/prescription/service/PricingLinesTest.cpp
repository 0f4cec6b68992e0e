// Reading a prescription text as catalogue look-ups: the numbering taken off each line,
// and the names and quantities of ordinary and herbal prescriptions.
#include "prescription/service/PricingLines.h"

#include <gtest/gtest.h>

namespace {

using namespace prescription;

QString u16(const char16_t* s) { return QString::fromUtf16(s); }

TEST(PricingLines, NumberingIsTakenOffOnlyAtTheStart) {
  const QString cefixime = u16(u"头孢克肟胶囊 0.1g×6粒");
  const std::pair<const char16_t*, std::optional<QString>> cases[] = {
      {u"1. 阿莫西林胶囊 0.25g*24粒×2", u16(u"阿莫西林胶囊 0.25g*24粒×2")},
      {u"（3）头孢克肟胶囊 0.1g×6粒", cefixime},
      {u"3、头孢克肟胶囊 0.1g×6粒", cefixime},
      {u"(12)头孢克肟胶囊 0.1g×6粒", cefixime},
      {u"10.头孢克肟胶囊 0.1g×6粒", cefixime},
      {u"12.头孢克肟胶囊 0.1g×6粒", cefixime},  // two digits removed whole
      {u"12、头孢克肟胶囊 0.1g×6粒", cefixime},
      {u"20 头孢克肟胶囊 0.1g×6粒", cefixime},
      {u"1. 维生素C 0.1. 片×1", u16(u"维生素C 0. 片×1")},        // every "1." goes once found at the start
      {u"    1. 维生素C 0.1g×1", u16(u"1. 维生素C 0.1g×1")},     // only blanks in the first four
      {u"    用法：口服 每日3次", std::nullopt},
      {u"   ", std::nullopt},
      {u"", std::nullopt},
  };
  for (const auto& [line, cleaned] : cases)
    EXPECT_EQ(cleanedPricingLine(u16(line)), cleaned) << u16(line).toStdString();
}

TEST(PricingLines, OrdinaryLinesGiveNameAndQuantity) {
  const QString text = u16(
      u"1. 阿莫西林胶囊 0.25g*24粒×2\r\n"
      u"    用法：口服 每日3次\r\n"
      u"\r\n"
      u"2. 维生素[B1]片 10mg×100片×1瓶\r\n"
      u"3. 布洛芬缓释胶囊\r\n"           // no blank: nothing asked
      u"4. 葡萄糖 0.3g\n"
      u"挂号费 1\r\n"
      u"    1. 维生素C 0.1g×1");
  const std::vector<PricingRequest> expected = {
      {u16(u"阿莫西林胶囊"), "2", PricingScope::Ordinary},
      {u16(u"维生素{B1}片"), "1", PricingScope::Ordinary},
      {u16(u"葡萄糖"), "0.3", PricingScope::Ordinary},
      {u16(u"挂号费"), "1", PricingScope::Ordinary},
      {u16(u"1."), "1", PricingScope::Ordinary},  // a name no catalogue row has
  };
  EXPECT_EQ(ordinaryPricingRequests(text), expected);
}

TEST(PricingLines, HerbEntriesTakeDosesTimesDoseAndFeeLinesFollow) {
  HerbalLayout layout;
  layout.entries = {u16(u"当归 10g"), u16(u"川芎3.5g"), u16(u"当归g"), u16(u"大枣5枚"), u16(u"[炒]白术6g")};
  layout.tail = u16(u"\r\n1. 挂号费 1\r\n用法：水煎服\r\n煎药费 2次");
  struct Case {
    const char* doses;
    QStringList quantities;  // of the herbs that have a dose, in order
  };
  const Case cases[] = {{"7", {"70", "24.5", "35", "42"}}, {"", {"0", "0", "0", "0"}}, {"2剂", {"20", "7", "10", "12"}}};
  for (const Case& c : cases) {
    const std::vector<PricingRequest> requests = herbalPricingRequests(layout, c.doses);
    ASSERT_EQ(requests.size(), 6u) << c.doses;
    const QStringList names = {u16(u"当归 "), u16(u"川芎"), u16(u"大枣"), u16(u"{炒}白术")};
    for (int i = 0; i < 4; ++i) {
      EXPECT_EQ(requests[i], (PricingRequest{names[i], c.quantities[i], PricingScope::Herb})) << c.doses << " " << i;
    }
    EXPECT_EQ(requests[4], (PricingRequest{u16(u"挂号费"), "1", PricingScope::Fee}));
    EXPECT_EQ(requests[5], (PricingRequest{u16(u"煎药费"), "2", PricingScope::Fee}));
  }
}

TEST(PricingLines, HerbalTextLaidOutThenRead) {
  const HerbalLayout layout = herbalLayout(u16(u"当归 10g 川芎6g\r\n挂号费 1"));
  const std::vector<PricingRequest> expected = {
      {u16(u"当归 "), "70", PricingScope::Herb},
      {u16(u"川芎"), "42", PricingScope::Herb},
      {u16(u"挂号费"), "1", PricingScope::Fee},
  };
  EXPECT_EQ(herbalPricingRequests(layout, "7"), expected);
}

}  // namespace
