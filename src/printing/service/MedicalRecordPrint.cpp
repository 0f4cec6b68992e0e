#include "printing/service/MedicalRecordPrint.h"

#include "text/Numbers.h"
#include "text/TextWrap.h"

#include <QStringList>

namespace printing {
namespace {

constexpr double kRuleLeft = 120;
constexpr double kRuleRight = 6780;
constexpr double kCaptionLeft = 120;
constexpr double kFooterRise = 340.2;     // the footer stands 1 mm under the last rule
constexpr double kRowTextDrop = 113.4;    // a row's text starts 2 mm under its rule
constexpr double kPageNumberLeft = 6000;
constexpr double kPrintableInset = 283.5;       // 5 mm: where the printable area begins
constexpr double kLandscapeShift = 7938;        // 140 mm: the record on the right half
constexpr double kTreatmentPoints = 10.5;

enum Section { kComplaint, kIllness, kPast, kPersonal, kAllergy, kExam, kAuxiliary, kDiagnosis, kTreatment };

const std::array<QString, kRecordSectionCount> kCaptions = {
    QStringLiteral("主  诉："), QStringLiteral("现病史："), QStringLiteral("既往史："),
    QStringLiteral("个人史："), QStringLiteral("过敏史："), QStringLiteral("体  检："),
    QStringLiteral("辅  检："), QStringLiteral("诊  断："), QStringLiteral("处  理：")};

class RecordPrinter {
 public:
  RecordPrinter(PrintSurface& surface, const RecordSheet& sheet)
      : p_(surface), sheet_(sheet), base_(sheet.rules[1].y1) {}

  void run() {
    setUpPage();
    page_ = 1;
    header();
    p_.setCurrentX(kCaptionLeft);
    p_.setCurrentY(rowTop(0));
    p_.print(kCaptions[kComplaint], Then::StayOnLine);
    printAt(kComplaint, sheet_.sections[kComplaint]);
    wrapped(kIllness);
    single(kPast);
    single(kPersonal);
    single(kAllergy);
    wrapped(kExam);
    single(kAuxiliary);
    single(kDiagnosis);
    treatment();
  }

 private:
  double rowTop(int row) const { return base_ + kRowTextDrop + kRecordRowStep * row; }
  void rowDown() { p_.setCurrentY(p_.currentY() + kRecordRowStep); }

  void setUpPage() {
    const double top = text::leadingNumber(sheet_.topMargin) * kTwipsPerMillimetre;
    const double left = text::leadingNumber(sheet_.leftMargin) * kTwipsPerMillimetre;
    p_.setScaleMode(ScaleMode::Twips);
    p_.setOrientation(sheet_.portrait ? Orientation::Portrait : Orientation::Landscape);
    p_.setScaleLeft(sheet_.portrait ? kPrintableInset - left : -left - kLandscapeShift);
    p_.setScaleTop(kPrintableInset - top);
    p_.setDrawWidth(1);
  }

  void header() {
    for (const SheetText& label : sheet_.labels) {
      p_.setFontName(label.face);
      p_.setFontBold(label.bold);
      p_.setFontSize(label.size);
      p_.setCurrentX(label.left);
      p_.setCurrentY(label.top);
      p_.print(label.text, Then::StayOnLine);
    }
    for (const SheetLine& rule : sheet_.rules) p_.line(rule.x1, rule.y1, rule.x2, rule.y2);
    double y = base_ + kRecordRowStep;
    for (int k = 0; k < kRecordRules; ++k) {
      p_.line(kRuleLeft, y, kRuleRight, y);
      y += kRecordRowStep;
    }
    p_.setCurrentX(kCaptionLeft);
    p_.setCurrentY(y - kFooterRise);
    p_.print(QStringLiteral("医师：") + sheet_.physician, Then::StayOnLine);
    p_.setCurrentX(kPageNumberLeft);
    p_.setCurrentY(y - kFooterRise);
    p_.print(QStringLiteral("第 %1 页").arg(page_), Then::StayOnLine);
  }

  void printAt(int section, const QString& text) {
    p_.setCurrentX(sheet_.sectionLeft[section]);
    p_.print(text, Then::StayOnLine);
  }

  void caption(int section) {
    p_.setCurrentX(kCaptionLeft);
    rowDown();
    p_.print(kCaptions[section], Then::StayOnLine);
  }

  QStringList lines(int section, const WrappingBox& box) const {
    QString text = sheet_.sections[section];
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text::WrapTextToLines(text, box.font, box.width);
  }

  // A one-row section: its whole text on the caption's row, never wrapped.
  void single(int section) {
    caption(section);
    printAt(section, sheet_.sections[section]);
  }

  // A three-row section: its first three displayed lines, the first on the caption's row.
  void wrapped(int section) {
    caption(section);
    p_.setCurrentY(p_.currentY() - kRecordRowStep);
    const QStringList shown = lines(section, sheet_.wideBox);
    for (int j = 0; j < 3; ++j) {
      rowDown();
      printAt(section, j < shown.size() ? shown[j] : QString());
    }
  }

  void treatment() {
    caption(kTreatment);
    p_.setCurrentY(p_.currentY() - kRecordRowStep);
    int onPage = 0;
    int room = kFirstPageTreatmentLines;
    for (const QString& line : lines(kTreatment, sheet_.treatmentBox)) {
      if (++onPage > room) {
        p_.newPage();
        ++page_;
        header();
        p_.setCurrentY(rowTop(0));
        onPage = 1;
        room = kContinuationTreatmentLines;
      }
      rowDown();
      p_.setFontSize(kTreatmentPoints);
      printAt(kTreatment, line);
    }
  }

  PrintSurface& p_;
  const RecordSheet& sheet_;
  const double base_;
  int page_ = 1;
};

}  // namespace

RecordSheet designedRecordSheet() {
  RecordSheet sheet;
  const QString face = QStringLiteral("宋体");
  sheet.labels[0] = SheetText{QString(), face, 18, true, 0, 180};
  const std::array<std::pair<double, double>, 6> places = {
      {{120, 780}, {120, 1200}, {2340, 1200}, {3660, 1200}, {5400, 1200}, {120, 1620}}};
  for (int i = 1; i < kRecordHeaderLabels; ++i)
    sheet.labels[i] = SheetText{QString(), face, 11.25, false, places[i - 1].first, places[i - 1].second};
  sheet.rules[0] = SheetLine{120, 1980, 6780, 1980};
  sheet.rules[1] = SheetLine{120, 1920, 6780, 1920};
  sheet.sectionLeft.fill(1080);
  QFont wide(face);
  wide.setPointSizeF(11.25);
  QFont treatment(face);
  treatment.setPointSizeF(10.5);
  sheet.wideBox = WrappingBox{wide, 5955.0 / 15};
  sheet.treatmentBox = WrappingBox{treatment, 5955.0 / 15};
  return sheet;
}

void printMedicalRecord(PrintSurface& surface, const RecordSheet& sheet) { RecordPrinter(surface, sheet).run(); }

}  // namespace printing
