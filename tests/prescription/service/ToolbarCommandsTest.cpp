// The toolbar's 新建, 续开 and 复制处方 on a priced, loaded prescription, and the defaults of
// a new prescription from one reading of the clock and the settings every reader sees.
#include "prescription/service/ToolbarCommands.h"

#include "prescription/service/CatalogSearch.h"
#include "prescription/service/NewPrescriptionDefaults.h"
#include "prescription/service/PrescriptionState.h"
#include "startup/AppState.h"
#include "startup/TemplateFiles.h"
#include "support/TempFolder.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {

using namespace prescription;

const QDateTime kNow(QDate(2024, 3, 5), QTime(9, 30, 15, 400));

settings::SettingsValues clinicSettings() {
  settings::SettingsValues v;
  v.physician = "赵立新";
  v.dispenser = "钱晓梅";
  v.department = "内儿科";
  v.feeCategory = "自费";
  return v;
}

// A priced, loaded, dispensed herbal prescription with a medical record.
PrescriptionState pricedPrescription() {
  PrescriptionState s;
  for (int i = 0; i < header::kCount; ++i) s.header[i] = QStringLiteral("旧%1").arg(i);
  s.header[header::kDrugFee] = "3.00";
  s.header[header::kOtherFee] = "5.00";
  s.header[header::kTotal] = "8.00";
  s.total = "8.00";
  s.text = "当归10g    川芎6g\r\n";
  s.infusionCard = "输液卡";
  s.symptoms = "咳嗽三天。";
  s.usage = "水煎服，日一剂";
  s.doses = "5";
  s.herbal = true;
  s.medicalRecord = "主诉$$$$$$$$$";
  s.number = "20240301080000AB12";
  s.dispenseMark = kDispensedMark;
  s.herbalSummary = "中药共 2 味  重量：16g";
  s.grid[0] = {"当归", "10", "g", "0.3", "3.000", "500", "中药", "A1", "0.2"};
  s.grid[1] = {"诊查费", "1", "次", "5", "5.000", "", "收费项目", "", "5"};
  return s;
}

TEST(NewPrescriptionDefaults, ComeFromOneInstantAndTheSettings) {
  HeaderTexts texts;
  texts[header::kName] = "张三";
  // 23:59:59.9 read once: the record number and both dates belong to the same day.
  fillNewHeaderDefaults(texts, QDateTime(QDate(2024, 12, 31), QTime(23, 59, 59, 900)), clinicSettings());
  EXPECT_EQ(texts[header::kRecordNumber], "20241231235959");
  EXPECT_EQ(texts[header::kDate], "2024-12-31");
  EXPECT_EQ(texts[header::kChineseDate], "2024年12月31日");
  EXPECT_EQ(texts[header::kPhysician], "赵立新");
  EXPECT_EQ(texts[header::kDispenser], "钱晓梅");
  EXPECT_EQ(texts[header::kChecker], "钱晓梅");
  EXPECT_EQ(texts[header::kDepartment], "内儿科");
  EXPECT_EQ(texts[header::kFeeCategory], "自费");
  EXPECT_EQ(texts[header::kAllergy], "无");
  EXPECT_EQ(texts[header::kName], "张三");  // nothing else is touched
}

TEST(NewPrescriptionDefaults, TakeTheUnsavedEditsOfAnOpenSettingsWindow) {
  testing_support::TempFolder folder;
  startup::writeMissingTemplates(folder.path());
  startup::AppState app;
  app.mainDbPath = QDir(folder.path()).filePath(startup::kMainDbFile);
  settings::Settings cache(app);

  PrescriptionState s;
  text::SerialSource serials([] { return kNow; });
  startWithDefaults(s, serials, "AB12", cache.values());  // closed: the stored row
  EXPECT_EQ(s.header[header::kPhysician], "赵立新");

  cache.edit().physician = "孙医生";  // typed into the open window, not saved
  cache.edit().dispenser = "周药师";
  startWithDefaults(s, serials, "AB12", cache.values());
  EXPECT_EQ(s.header[header::kPhysician], "孙医生");
  EXPECT_EQ(s.header[header::kChecker], "周药师");
  // Each new prescription gets a later number, even within the same second.
  EXPECT_EQ(s.number, "20240305093016AB12");
  EXPECT_EQ(s.header[header::kRecordNumber], "20240305093016");
}

TEST(NewCommand, LeavesOnlyTheDefaultsAndAFreshNumber) {
  PrescriptionState s = pricedPrescription();
  text::SerialSource serials([] { return kNow; });
  const AfterCommand after = newPrescription(s, kHerbs, serials, "AB12", clinicSettings());

  PrescriptionState expected;
  fillNewHeaderDefaults(expected.header, kNow, clinicSettings());
  EXPECT_EQ(s.header, expected.header);  // the old patient and fees are gone
  EXPECT_EQ(s.number, "20240305093015AB12");
  for (const QString* emptied : {&s.text, &s.infusionCard, &s.symptoms, &s.dispenseMark, &s.medicalRecord, &s.total, &s.herbalSummary})
    EXPECT_EQ(*emptied, "");
  for (const PricedRow& row : s.grid)
    for (const QString& cell : row) EXPECT_EQ(cell, "");
  EXPECT_EQ(s.usage, "水煎服，日一剂");
  EXPECT_EQ(after.focus, AfterCommand::Focus::NameField);
  EXPECT_TRUE(after.gridReset);
}

TEST(NewAndContinueCommands, LayTheSheetOutByTheCurrentCategory) {
  struct Case {
    int category;
    std::optional<bool> herbal;  // nullopt: unchanged
  };
  const Case cases[] = {{0, false}, {11, false}, {kFeeItems, {}}, {kUsagePhrases, {}}, {kHerbs, true},
                        {kHerbalFormulas, true}, {kPersonalSets, {}}};
  for (const Case& c : cases)
    for (bool herbalBefore : {false, true})
      for (bool continuing : {false, true}) {
        PrescriptionState s = pricedPrescription();
        s.herbal = herbalBefore;
        text::SerialSource serials([] { return kNow; });
        if (continuing)
          continuePrescription(s, c.category, serials, "AB12");
        else
          newPrescription(s, c.category, serials, "AB12", clinicSettings());
        const bool herbal = c.herbal.value_or(herbalBefore);
        SCOPED_TRACE(testing::Message() << "category " << c.category << " herbal before " << herbalBefore
                                        << (continuing ? " 续开" : " 新建"));
        EXPECT_EQ(s.herbal, herbal);
        // The mode label is the layout's name, so the sheet never prints the wrong mode.
        EXPECT_EQ(sheetModeName(s.herbal), herbal ? "中医" : "普通");
        EXPECT_EQ(s.doses, c.herbal == true ? "7" : "5");
        EXPECT_EQ(layoutForCategory(c.category), c.herbal);
      }
}

TEST(ContinueCommand, KeepsThePatientAndStartsAnEmptyPrescription) {
  PrescriptionState s = pricedPrescription();
  const PrescriptionState before = s;
  text::SerialSource serials([] { return kNow; });
  const AfterCommand after = continuePrescription(s, kHerbs, serials, "AB12");

  EXPECT_EQ(s.header[header::kRecordNumber], "20240305093015");
  EXPECT_EQ(s.header[header::kDate], "2024-03-05");
  EXPECT_EQ(s.number, "20240305093015AB12");
  for (int field : {header::kDrugFee, header::kOtherFee, header::kTotal}) EXPECT_EQ(s.header[field], "") << field;
  for (int field = 0; field < header::kCount; ++field) {
    if (field != header::kRecordNumber && field != header::kDate && field != header::kDrugFee &&
        field != header::kOtherFee && field != header::kTotal) {
      EXPECT_EQ(s.header[field], before.header[field]) << field;  // the long date 18 included
    }
  }
  for (const QString* emptied : {&s.text, &s.infusionCard, &s.dispenseMark, &s.total, &s.herbalSummary}) EXPECT_EQ(*emptied, "");
  EXPECT_EQ(s.symptoms, before.symptoms);
  EXPECT_EQ(s.medicalRecord, before.medicalRecord);
  // Category, drawer and cost stay in the grid until the next pricing.
  EXPECT_EQ(s.grid[0], (PricedRow{"", "", "", "", "", "", "中药", "A1", "0.2"}));
  EXPECT_EQ(s.grid[1], (PricedRow{"", "", "", "", "", "", "收费项目", "", "5"}));
  EXPECT_EQ(after.focus, AfterCommand::Focus::SearchBox);
  EXPECT_TRUE(after.gridReset);
}

TEST(CopyCommand, KeepsTheWholePrescriptionUnderANewNumber) {
  PrescriptionState s = pricedPrescription();
  const PrescriptionState before = s;
  QDateTime clock = kNow;
  text::SerialSource serials([&] { return clock; });

  const CopyInProgress copy = beginCopy(s, serials, "AB12");
  EXPECT_EQ(s.text, "");  // shown empty during the pause
  EXPECT_EQ(s.number, "20240305093015AB12");
  EXPECT_EQ(s.header[header::kRecordNumber], before.header[header::kRecordNumber]);  // set after the pause
  clock = kNow.addMSecs(kCopyPauseMs);
  finishCopy(s, copy);

  EXPECT_EQ(s.text, before.text);
  EXPECT_EQ(s.header[header::kRecordNumber], "20240305093015");
  EXPECT_EQ(s.header[header::kDate], "2024-03-05");
  EXPECT_EQ(s.dispenseMark, "");
  for (const PricedRow& row : s.grid)
    for (const QString& cell : row) EXPECT_EQ(cell, "");
  for (int field : {header::kDrugFee, header::kOtherFee, header::kTotal}) EXPECT_EQ(s.header[field], "") << field;
  EXPECT_EQ(s.total, "");
  // Everything else stays: the patient, the card, the symptoms, the record, the layout.
  EXPECT_EQ(s.header[header::kName], before.header[header::kName]);
  EXPECT_EQ(s.header[header::kChineseDate], before.header[header::kChineseDate]);
  EXPECT_EQ(s.infusionCard, before.infusionCard);
  EXPECT_EQ(s.symptoms, before.symptoms);
  EXPECT_EQ(s.medicalRecord, before.medicalRecord);
  EXPECT_EQ(s.herbal, before.herbal);
  EXPECT_EQ(s.doses, before.doses);
  EXPECT_EQ(s.herbalSummary, before.herbalSummary);

  // A second copy within the same second (and the save's number just before it) still
  // gets a later number.
  const CopyInProgress second = beginCopy(s, serials, "AB12");
  finishCopy(s, second);
  EXPECT_EQ(s.number, "20240305093016AB12");
  EXPECT_EQ(s.header[header::kRecordNumber], "20240305093016");
  EXPECT_EQ(s.text, before.text);
}

}  // namespace
