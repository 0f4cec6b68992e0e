// The medical-record window's texts and its record templates.
#include "clinical/service/RecordEditing.h"
#include "clinical/service/TemplateTexts.h"
#include "store/TemplateRows.h"

#include "support/MainDbFixture.h"

namespace {

using namespace clinical;

TEST(RecordEditing, HeaderCaptions) {
  EXPECT_EQ(visitTimeCaption(QStringLiteral("20240305143012A1B2")), QStringLiteral("就诊时间：2024年03月05日14时30分"));
  EXPECT_EQ(recordTitle(QStringLiteral("仁和诊所处方笺")), QStringLiteral("仁和诊所门诊病历"));
}

TEST(RecordEditing, PrescriptionTakenOverIntoTreatment) {
  const QStringList lines =
      prescriptionLines(QStringLiteral("阿莫西林胶囊 0.5g\r\n    用法：口服\r\n\r\n  \r\n维生素C片"));
  EXPECT_EQ(lines, (QStringList{QStringLiteral("阿莫西林胶囊 0.5g"), QStringLiteral("    用法：口服"),
                                QStringLiteral("  "), QStringLiteral("维生素C片")}));

  const EditedText empty = insertLines(QString(), 0, 0, lines.mid(0, 2), QStringLiteral("\r\n"));
  EXPECT_EQ(empty.text, QStringLiteral("\r\n阿莫西林胶囊 0.5g\r\n    用法：口服"));
  EXPECT_EQ(empty.caret, empty.text.size());

  // The first line replaces the selection; the text after the caret stays after the lines.
  const EditedText within = insertLines(QStringLiteral("甲XX乙"), 1, 2, {QStringLiteral("a"), QStringLiteral("b")},
                                        QStringLiteral("\n"));
  EXPECT_EQ(within.text, QStringLiteral("甲\na\nb乙"));
  EXPECT_EQ(within.caret, 5);
}

class RecordTemplateTest : public testing_support::MainDbTest {
 protected:
  RecordSections sections(const QString& complaint, const QString& illness) {
    RecordSections s;
    s[0] = complaint;
    s[1] = illness;
    s[7] = QStringLiteral("感冒");
    return s;
  }
  text::SerialSource serials;
};

TEST_F(RecordTemplateTest, NewNeedsComplaintAndIllnessAnExistingOneIsOverwritten) {
  store::Database d(db);
  const QString name = QStringLiteral("上感");
  EXPECT_EQ(saveRecordTemplate(d, name, sections(QStringLiteral(" "), QStringLiteral("两天")), serials, strokes),
            RecordTemplateSave::ComplaintMissing);
  EXPECT_TRUE(column("个人模板", "名称").isEmpty());

  ASSERT_EQ(saveRecordTemplate(d, name, sections(QStringLiteral("发热"), QStringLiteral("两天")), serials, strokes),
            RecordTemplateSave::Saved);
  const QString firstKey = column("个人模板", "序号").value(0);
  EXPECT_EQ(column("个人模板", "内容"),
            QStringList{QStringLiteral("发热ほ两天ほほほほほほ感冒ほほ")});
  const QString key = column("个人模板", "查询").value(0);
  EXPECT_TRUE(key.startsWith(QStringLiteral("上感sg")) && key.endsWith(u'$')) << key.toStdString();

  ASSERT_EQ(saveRecordTemplate(d, name, sections(QString(), QString()), serials, strokes), RecordTemplateSave::Saved);
  EXPECT_EQ(column("个人模板", "名称"), QStringList{name});
  EXPECT_NE(column("个人模板", "序号").value(0), firstKey);
  EXPECT_EQ(column("个人模板", "内容").value(0), QStringLiteral("ほほほほほほほ感冒ほほ"));
}

TEST_F(RecordTemplateTest, MarkInsideASectionIsRefused) {
  store::Database d(db);
  EXPECT_EQ(saveRecordTemplate(d, QStringLiteral("上感"), sections(QStringLiteral("发热ほ"), QStringLiteral("两天")),
                               serials, strokes),
            RecordTemplateSave::MarkInSection);
  EXPECT_TRUE(column("个人模板", "名称").isEmpty());
  // A "$" is no mark for templates; it reaches the record through the record codec.
  EXPECT_EQ(saveRecordTemplate(d, QStringLiteral("上感"), sections(QStringLiteral("$5"), QStringLiteral("两天")),
                               serials, strokes),
            RecordTemplateSave::Saved);
}

}  // namespace
