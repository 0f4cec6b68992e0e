// The sheet's layout switch: what a category button of the other layout resets and keeps.
#include "prescription/service/PrescriptionState.h"

#include "prescription/service/CatalogSearch.h"

#include <gtest/gtest.h>

namespace {

using namespace prescription;

const QDateTime kNow(QDate(2024, 3, 5), QTime(9, 30, 15));

// A priced, loaded, dispensed ordinary prescription.
PrescriptionState pricedPrescription() {
  PrescriptionState s;
  s.header[header::kName] = "张三";
  s.header[header::kDiagnosis] = "上感";
  s.header[header::kRecordNumber] = "20240301080000";
  s.header[header::kDate] = "2024-03-01";
  s.header[header::kDrugFee] = "3.00";
  s.header[header::kTotal] = "3.00";
  s.total = "3.00";
  s.text = "阿莫西林胶囊 0.5g\r\n    用法：口服\r\n\r\n";
  s.symptoms = "咳嗽三天";
  s.medicalRecord = "主诉$$$$$$$$$";
  s.number = "20240301080000AB12";
  s.dispenseMark = kDispensedMark;
  s.herbalSummary = "中药共 1 味  重量：10g";
  s.grid[0] = {"阿莫西林胶囊", "2", "盒", "1.5", "3.000", "10", "西成药·抗生素", "A1", "1.2"};
  return s;
}

TEST(SheetModeChange, StartsANewEmptyPrescriptionForTheSamePatient) {
  PrescriptionState s = pricedPrescription();
  s.doses = "3";
  text::SerialSource serials([] { return kNow; });
  applyCategoryClick(s, kHerbs, serials, "AB12");

  EXPECT_TRUE(s.herbal);
  EXPECT_EQ(s.header[header::kRecordNumber], "20240305093015");
  EXPECT_EQ(s.header[header::kDate], "2024-03-05");
  EXPECT_EQ(s.number, "20240305093015AB12");  // the same instant as the record number
  EXPECT_EQ(s.dispenseMark, "");                    // a new number was never dispensed
  EXPECT_EQ(s.doses, "7");
  EXPECT_EQ(s.text, "");
  EXPECT_EQ(s.herbalSummary, "");
  const PricedRow emptied = {"", "", "", "", "", "", "西成药·抗生素", "A1", "1.2"};
  EXPECT_EQ(s.grid[0], emptied);
  for (int i : {header::kDrugFee, header::kOtherFee, header::kTotal}) EXPECT_EQ(s.header[i], "") << i;
  EXPECT_EQ(s.total, "");
  // The patient and what was written about them stay.
  EXPECT_EQ(s.header[header::kName], "张三");
  EXPECT_EQ(s.header[header::kDiagnosis], "上感");
  EXPECT_EQ(s.symptoms, "咳嗽三天");
  EXPECT_EQ(s.medicalRecord, "主诉$$$$$$$$$");

  // Back to ordinary within the same second: a later number, the dose count as it was.
  s.text = "当归10g";
  s.doses = "5";
  applyCategoryClick(s, 0, serials, "AB12");
  EXPECT_FALSE(s.herbal);
  EXPECT_EQ(s.number, "20240305093016AB12");
  EXPECT_EQ(s.header[header::kRecordNumber], "20240305093016");
  EXPECT_EQ(s.doses, "5");
  EXPECT_EQ(s.text, "");
}

TEST(SheetModeChange, AButtonOfTheSameLayoutOrAFeeButtonKeepsThePrescription) {
  struct Case {
    bool herbal;
    int category;
  };
  const Case cases[] = {{false, 0}, {false, 11}, {false, kPersonalSets}, {false, kFeeItems},
                        {true, kHerbs}, {true, kHerbalFormulas}, {true, kUsagePhrases}, {true, kFeeItems}};
  for (const Case& c : cases) {
    PrescriptionState s = pricedPrescription();
    s.herbal = c.herbal;
    text::SerialSource serials([] { return kNow; });
    applyCategoryClick(s, c.category, serials, "AB12");
    EXPECT_EQ(s.herbal, c.herbal) << c.category;
    EXPECT_EQ(s.number, "20240301080000AB12") << c.category;
    EXPECT_EQ(s.text, pricedPrescription().text) << c.category;
    EXPECT_EQ(s.grid, pricedPrescription().grid) << c.category;
    EXPECT_EQ(s.herbalSummary, "") << c.category;  // blanked on every click
  }
}

TEST(HerbalLayoutOfTheState, LaysOutOnlyAHerbalSheet) {
  PrescriptionState s;
  s.text = "当归10g 白芍5g\r\n\r\n煎药费\r\n";
  s.herbalSummary = "old";
  EXPECT_FALSE(layOutHerbalText(s).has_value());  // an ordinary sheet stays as typed
  EXPECT_EQ(s.text, "当归10g 白芍5g\r\n\r\n煎药费\r\n");
  EXPECT_EQ(s.herbalSummary, "old");

  s.herbal = true;
  const std::optional<HerbalLayout> layout = layOutHerbalText(s);
  ASSERT_TRUE(layout.has_value());
  EXPECT_EQ(s.text, "当归10g" + QString(6, u' ') + "白芍5g" + QString(7, u' ') + "\r\n\r\n煎药费\r\n");
  EXPECT_EQ(s.herbalSummary, "中药共 2 味  重量：15g");
  EXPECT_EQ(layout->tail, "\r\n\r\n煎药费\r\n");

  s.text = "煎药费";  // no herb: the summary keeps what it showed
  layOutHerbalText(s);
  EXPECT_EQ(s.herbalSummary, "中药共 2 味  重量：15g");
}

}  // namespace
