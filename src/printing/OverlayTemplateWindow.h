// The overlay-template window "套打设置": where each item of a preprinted prescription
// form is printed, with a preview of a sample prescription at those positions. Its boxes
// are the template the overlay print uses, saved or not.
#pragma once

#include "printing/PreviewCanvas.h"
#include "printing/service/OverlayTemplate.h"
#include "ui/ControlArray.h"
#include "ui/Session.h"
#include "ui/Window.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <optional>

namespace printing {

// What a template that could not be read stops.
inline const QString kOverlayUnreadable = QStringLiteral("套打设置无法读取，不能套打，也不能保存");

class OverlayTemplateWindow : public ui::Window {
  Q_OBJECT

 public:
  static constexpr const char* kName = "Form19";

  // What the preview takes from the prescription on the screen.
  struct ScreenPrescription {
    QString sex;    // Text5(1)
    QString usage;  // C1
  };

  explicit OverlayTemplateWindow(ui::Session& session);

  // Places the window on the main window and reads the template from the table.
  void Form_Load() override;

  // The template as the boxes hold it now; none when it could not be read, so that
  // nothing is printed at positions that were never loaded.
  std::optional<OverlayTemplate> overlayTemplate() const;
  // Why the template could not be read; empty when it was.
  const QString& readFailure() const { return readFailure_; }

  QFrame* Frame1 = nullptr;
  ui::ControlArray<QFrame> Picture1{QStringLiteral("Picture1")};
  ui::ControlArray<QCheckBox> Check1{QStringLiteral("Check1")};
  ui::ControlArray<QLineEdit> Text1{QStringLiteral("Text1")};
  ui::ControlArray<QLineEdit> Text2{QStringLiteral("Text2")};
  PreviewCanvas* Picture2 = nullptr;
  QLabel* Label4 = nullptr;
  QPushButton* Command1 = nullptr;
  QPushButton* Command2 = nullptr;

 public slots:
  // 保存: replaces the stored rows with the boxes, in one transaction.
  void Command1_Click();
  // 打印预览: draws the sample prescription on the preview box.
  void Command2_Click();
  // A tick enables or disables its item's two boxes.
  void Check1_Click(int item);

 private:
  void buildControls();
  OverlayTemplate boxes() const;
  void showTemplate(const OverlayTemplate& overlay);
  // The prescription window's sex box and herbal usage box, when that window is loaded.
  ScreenPrescription screenPrescription() const;

  ui::Session& session_;
  QString readFailure_;  // why the template could not be read; empty when it was
};

}  // namespace printing
