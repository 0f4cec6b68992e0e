// The medical record of a visit as one text: its nine sections (主诉 .. 处理), each
// followed by "$". A record template keeps the same sections, each followed by "ほ".
#pragma once

#include <QString>

#include <array>
#include <optional>

namespace clinical {

inline constexpr int kRecordSections = 9;
inline constexpr int kDiagnosisSection = 7;  // 诊断

using RecordSections = std::array<QString, kRecordSections>;
// What reading a record does to the section boxes: a box with a value is replaced,
// a box without one keeps what it holds.
using SectionFill = std::array<std::optional<QString>, kRecordSections>;

// The nine sections, each followed by "$". A "$" inside a section is stored as "＄",
// so the sections after it cannot move down a box when the record is read back.
QString joinMedicalRecord(const RecordSections& sections);

// The boxes for a stored record. The empty text (a visit without a record) empties all
// nine and presets 诊断 with the prescription's diagnosis; otherwise each box in turn
// takes the text up to the next "$" until none is left (nine "$" with nothing between
// them empty every box and preset nothing).
SectionFill splitMedicalRecord(const QString& record, const QString& prescriptionDiagnosis);

// The boxes a record template (sections each followed by "ほ") replaces: box after box up to the next "ほ", at most nine.
SectionFill splitRecordTemplate(const QString& content);

}  // namespace clinical
