#include "printing/OverlayTemplateWindow.h"

#include "printing/service/OverlayPrint.h"
#include "printing/service/PrintSettings.h"
#include "links/PrescriptionLink.h"
#include "ui/Controls.h"
#include "ui/Guard.h"
#include "ui/Twips.h"

namespace printing {
namespace {

constexpr int kRowPitch = 360;
constexpr int kFirstRowTop = 480;
constexpr int kBoxLength = 3;  // the boxes take at most three characters

const QString kHint = QStringLiteral("设置好每个项目的打印坐标后即可在印刷处方上套打！");

void colour(QWidget* widget, QPalette::ColorRole role, const QColor& colour) {
  QPalette palette = widget->palette();
  palette.setColor(role, colour);
  widget->setPalette(palette);
}

}  // namespace

OverlayTemplateWindow::OverlayTemplateWindow(ui::Session& session) : ui::Window(QString::fromLatin1(kName)), session_(session) {
  setWindowTitle(QStringLiteral("套打设置"));
  setClientSize(11130, 9390);
  buildControls();
}

void OverlayTemplateWindow::buildControls() {
  Frame1 = ui::make<QFrame>(this, QStringLiteral("Frame1"), {120, 0, 3675, 9315});
  Frame1->setFrameShape(QFrame::StyledPanel);
  const struct {
    const char* name;
    const char16_t* caption;
    double left;
  } heads[] = {{"Label1", u"项目名称", 300}, {"Label2", u"左边距", 1980}, {"Label3", u"上边距", 2760}};
  for (const auto& head : heads) {
    auto* label = ui::make<QLabel>(Frame1, QString::fromLatin1(head.name), {head.left, 240, 735, 225},
                                   QString::fromUtf16(head.caption));
    colour(label, QPalette::WindowText, QColor(0, 0, 255));
  }

  for (int row = 0; row < kOverlayItemCount; ++row) {
    const int item = kOverlayRowOrder[row];
    const QString caption = kOverlayCaptions[item];
    auto* panel = Picture1.make(item, Frame1, ui::Place{180, double(kFirstRowTop + kRowPitch * row), 3315, 375});
    panel->setAutoFillBackground(true);
    auto* tick = Check1.make(item, panel, ui::Place{120, 120, 1500, 195}, caption);
    auto* x = Text1.make(item, panel, ui::Place{1740, 60, 675, 270});
    auto* y = Text2.make(item, panel, ui::Place{2520, 60, 675, 270});
    x->setAccessibleName(caption + QStringLiteral(" 左边距"));
    y->setAccessibleName(caption + QStringLiteral(" 上边距"));
    for (QLineEdit* box : {x, y}) {
      box->setMaxLength(kBoxLength);
      box->setEnabled(false);
    }
    connect(tick, &QCheckBox::stateChanged, this, [this, item] { Check1_Click(item); });
  }

  Picture2 = ui::make<PreviewCanvas>(this, QStringLiteral("Picture2"), {3900, 120, 7125, 8595});
  Label4 = ui::make<QLabel>(this, QStringLiteral("Label4"), {3960, 8940, 4400, 255}, kHint);
  colour(Label4, QPalette::WindowText, QColor(255, 0, 0));
  Command1 = ui::make<QPushButton>(this, QStringLiteral("Command1"), {8460, 8880, 1275, 375}, QStringLiteral("保存"));
  Command2 = ui::make<QPushButton>(this, QStringLiteral("Command2"), {9780, 8880, 1275, 375}, QStringLiteral("打印预览"));
  connect(Command1, &QPushButton::clicked, this, &OverlayTemplateWindow::Command1_Click);
  connect(Command2, &QPushButton::clicked, this, &OverlayTemplateWindow::Command2_Click);
}

void OverlayTemplateWindow::Form_Load() {
  const QRect main = mainWindowTwips();
  if (!main.isNull())
    Move(main.x() + (main.width() - Width()) / 2.0 + 120, main.y() + (main.height() - Height()) / 2.0 + 250);

  const OverlayRead read = readOverlayTemplate(session_.state.stockDbPath);
  readFailure_ = read.reason;
  if (read.overlay) {
    showTemplate(*read.overlay);
  } else {
    // The boxes stay empty; neither the overlay print nor 保存 may take them as the template.
    ui::showFailure(session_.dialogs, kOverlayUnreadable, readFailure_);
  }
  for (int item = 0; item < kOverlayItemCount; ++item) {
    Picture1[item]->setBackgroundRole(QPalette::Button);
    Check1_Click(item);
  }
}

void OverlayTemplateWindow::showTemplate(const OverlayTemplate& overlay) {
  for (int item = 0; item < kOverlayItemCount; ++item) {
    Check1[item]->setChecked(overlay[item].ticked);
    Text1[item]->setText(overlay[item].x);
    Text2[item]->setText(overlay[item].y);
  }
}

OverlayTemplate OverlayTemplateWindow::boxes() const {
  OverlayTemplate overlay;
  for (int item = 0; item < kOverlayItemCount; ++item)
    overlay[item] = {Check1[item]->isChecked(), Text1[item]->text(), Text2[item]->text()};
  return overlay;
}

std::optional<OverlayTemplate> OverlayTemplateWindow::overlayTemplate() const {
  if (!readFailure_.isEmpty()) return std::nullopt;
  return boxes();
}

void OverlayTemplateWindow::Check1_Click(int item) {
  const bool ticked = Check1[item]->isChecked();
  Text1[item]->setEnabled(ticked);
  Text2[item]->setEnabled(ticked);
}

void OverlayTemplateWindow::Command1_Click() {
  if (!readFailure_.isEmpty()) {
    session_.dialogs.message(QStringLiteral("套打设置没有读出，为免空白覆盖已保存的设置，这次没有保存。"));
    return;
  }
  const QString refused = saveOverlayTemplate(session_.state.stockDbPath, boxes());
  if (!refused.isEmpty()) ui::showFailure(session_.dialogs, QStringLiteral("套打设置没有保存"), refused);
}

OverlayTemplateWindow::ScreenPrescription OverlayTemplateWindow::screenPrescription() const {
  ScreenPrescription screen;
  if (auto* prescription = session_.windows.findAs<links::PrescriptionLink>()) {
    screen.sex = prescription->prescriptionHeader().sex;
    screen.usage = prescription->herbalUsage();
  }
  return screen;
}

void OverlayTemplateWindow::Command2_Click() {
  ui::runGuarded(session_.dialogs, QStringLiteral("预览未能画出"), [this] {
    Picture2->clearDrawing();
    CanvasDevice device(*Picture2);
    PrintSurface surface(device);
    const ScreenPrescription screen = screenPrescription();
    drawOverlayPreview(surface, boxes(), screen.sex, screen.usage, printSettings(session_.settings.values()),
                       Picture2->font().family());
    surface.endDoc();
  });
}

}  // namespace printing
