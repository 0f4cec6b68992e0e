#include "clinical/service/MedicalRecordText.h"

namespace clinical {
namespace {

constexpr QChar kSectionEnd = u'$';
constexpr QChar kTemplateSectionEnd = u'ほ';

SectionFill splitAt(const QString& text, QChar end) {
  SectionFill fill;
  qsizetype start = 0;
  for (int box = 0; box < kRecordSections; ++box) {
    const qsizetype stop = text.indexOf(end, start);
    if (stop < 0) break;
    fill[box] = text.mid(start, stop - start);
    start = stop + 1;
  }
  return fill;
}

}  // namespace

QString joinMedicalRecord(const RecordSections& sections) {
  QString text;
  for (const QString& section : sections) {
    QString stored = section;
    stored.replace(kSectionEnd, u'＄');
    text += stored;
    text += kSectionEnd;
  }
  return text;
}

SectionFill splitMedicalRecord(const QString& record, const QString& prescriptionDiagnosis) {
  if (record.isEmpty()) {
    SectionFill fill;
    fill.fill(QString(""));
    fill[kDiagnosisSection] = prescriptionDiagnosis;
    return fill;
  }
  return splitAt(record, kSectionEnd);
}

SectionFill splitRecordTemplate(const QString& content) { return splitAt(content, kTemplateSectionEnd); }

}  // namespace clinical
