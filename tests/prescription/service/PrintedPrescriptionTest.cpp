// The prescription's words in the sheet and the overlay record, the window's layout kept.
#include "prescription/service/PrintedPrescription.h"

#include "support/DesignedSheet.h"

#include <gtest/gtest.h>

namespace {

using prescription::PrescriptionState;
namespace header = prescription::header;

PrescriptionState herbalPrescription() {
  PrescriptionState s;
  for (int i = 0; i < header::kCount; ++i) s.header[i] = QStringLiteral("f%1").arg(i);
  s.doses = QStringLiteral(" 7 ");
  s.usage = QStringLiteral("水煎服");
  s.herbal = true;
  s.text = QStringLiteral("黄芪30g\r\n当归10g");
  return s;
}

TEST(PrintedPrescription, TheOverlayTakesTheWordsAsTheyStandAndTheBodyBoxAsShown) {
  printing::SheetBody box = testing_support::designedSheet(true).body;
  box.text = QStringLiteral("left over");
  const printing::OverlayRecord r = prescription::overlayRecord(herbalPrescription(), box);
  EXPECT_EQ(r.fields.front(), "f0");
  EXPECT_EQ(r.fields.back(), "f16");
  EXPECT_EQ(r.doseCount, " 7 ") << "the overlay prints the dose count untrimmed";
  EXPECT_EQ(r.usage, "水煎服");
  EXPECT_TRUE(r.herbal);
  EXPECT_EQ(r.body.text, "黄芪30g\r\n当归10g");
  EXPECT_EQ(r.body.left, box.left);
  EXPECT_EQ(r.body.wrapWidth, box.wrapWidth);

  PrescriptionState ordinary = herbalPrescription();
  ordinary.herbal = false;
  EXPECT_FALSE(prescription::overlayRecord(ordinary, box).herbal) << "no dose line on an ordinary sheet";
}

TEST(PrintedPrescription, TheInfusionCardTakesTheVisitDateThePatientAndTheDiagnosis) {
  PrescriptionState s = herbalPrescription();
  s.infusionCard = QStringLiteral("0.9%氯化钠 250ml\r\n静脉滴注");
  const printing::InfusionCard card = prescription::infusionCard(s);
  EXPECT_EQ(card.date, "f5");
  EXPECT_EQ(card.name, "f0");
  EXPECT_EQ(card.sex, "f1");
  EXPECT_EQ(card.age, "f2");
  EXPECT_EQ(card.diagnosis, "f6");
  EXPECT_EQ(card.lines, s.infusionCard);
}

TEST(PrintedPrescription, TheSheetTakesTheWordsAndKeepsWhereAndHowTheyShow) {
  printing::SheetSnapshot sheet = testing_support::designedSheet(true);
  const printing::SheetSnapshot layout = sheet;
  prescription::fillSheetTexts(sheet, herbalPrescription());
  for (int i = 0; i < printing::kSheetFieldCount; ++i) {
    EXPECT_EQ(sheet.fields[i].text.text, QStringLiteral("f%1").arg(i));
    EXPECT_EQ(sheet.fields[i].text.left, layout.fields[i].text.left);
    EXPECT_EQ(sheet.fields[i].visible, layout.fields[i].visible);
  }
  EXPECT_EQ(sheet.doseCount.text, " 7 ");
  EXPECT_EQ(sheet.usage.text, "水煎服");
  EXPECT_EQ(sheet.body.text, "黄芪30g\r\n当归10g");
  EXPECT_EQ(sheet.body.size, layout.body.size);
}

}  // namespace
