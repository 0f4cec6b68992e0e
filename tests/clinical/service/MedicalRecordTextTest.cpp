// The medical record of a visit as one text, and the section boxes it fills back.
#include "clinical/service/MedicalRecordText.h"

#include <QStringList>

#include <gtest/gtest.h>

namespace {

using namespace clinical;

QString u16(const char16_t* s) { return QString::fromUtf16(s); }

TEST(MedicalRecordText, JoinsNineSectionsAndKeepsADollarInsideItsSection) {
  RecordSections sections;
  sections[0] = "头痛3天";
  sections[1] = "费用$20\r\n第二行";
  sections[7] = "感冒";
  const QString joined = joinMedicalRecord(sections);
  EXPECT_EQ(joined, u16(u"头痛3天$费用＄20\r\n第二行$$$$$$感冒$$"));

  const SectionFill back = splitMedicalRecord(joined, "ignored");
  for (int i = 0; i < kRecordSections; ++i) {
    ASSERT_TRUE(back[i].has_value()) << i;
    EXPECT_EQ(*back[i], i == 1 ? u16(u"费用＄20\r\n第二行") : sections[i]) << i;
  }
}

TEST(MedicalRecordText, SplitFillsOnlyTheBoxesItsMarksReach) {
  struct Case {
    const char* what;
    QString text;
    bool isTemplate;
    QStringList filled;  // the boxes replaced, in order; the rest untouched
  };
  const Case cases[] = {
      {"nine empty sections", "$$$$$$$$$", false, QStringList(9, "")},
      {"three marks", "a$b$c$", false, {"a", "b", "c"}},
      {"text after the last mark", "a$b$tail", false, {"a", "b"}},
      {"more than nine", "1$2$3$4$5$6$7$8$9$10$", false, {"1", "2", "3", "4", "5", "6", "7", "8", "9"}},
      {"template with five marks", u16(u"甲ほ乙ほ丙ほ丁ほ戊ほ"), true, {u16(u"甲"), u16(u"乙"), u16(u"丙"), u16(u"丁"), u16(u"戊")}},
      {"template keeps $", u16(u"a$bほ"), true, {"a$b"}},
  };
  for (const Case& c : cases) {
    const SectionFill fill = c.isTemplate ? splitRecordTemplate(c.text) : splitMedicalRecord(c.text, "感冒");
    for (int i = 0; i < kRecordSections; ++i) {
      if (i < c.filled.size()) {
        EXPECT_EQ(fill[i].value_or("<untouched>"), c.filled[i]) << c.what << " box " << i;
      } else {
        EXPECT_FALSE(fill[i].has_value()) << c.what << " box " << i;
      }
    }
  }
}

TEST(MedicalRecordText, AVisitWithoutARecordPresetsTheDiagnosis) {
  const SectionFill fill = splitMedicalRecord("", u16(u"急性胃炎"));
  for (int i = 0; i < kRecordSections; ++i)
    EXPECT_EQ(fill[i].value_or("<untouched>"), i == kDiagnosisSection ? u16(u"急性胃炎") : "") << i;
}

}  // namespace
