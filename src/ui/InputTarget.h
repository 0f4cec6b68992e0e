// The stroke pad's target: the text box that last took the focus in a window the pad
// serves. A window declares each such box with its input kind, and the pad types into
// whichever declared box had the focus last.
#pragma once

#include "text/TextTarget.h"
#include "text/InputKind.h"

#include <QPointer>
#include <QWidget>

#include <optional>

namespace ui {

// The box the stroke pad types into: the declared box that last took the focus, and its
// input kind (none until a box has taken the focus; the pad then takes "词频").
struct PadTarget {
  QPointer<QWidget> box;
  std::optional<text::InputKind> kind;
};

// Declares `box` (a QLineEdit, QPlainTextEdit or QTextEdit) as one the stroke pad types
// into: every time it takes the focus it becomes target.box, and the kind's
// name becomes target.kind. This is the one way a window aims the pad; busy
// flags do not hold it back. `target` must outlive the box.
void declareInputTarget(PadTarget& target, QWidget* box, text::InputKind kind);

// The box behind target.box as the pad drives it. A box that is gone, hidden,
// disabled, read-only or of another kind cannot be typed into; the pad then leaves it be.
class InputTarget : public text::TextTarget {
 public:
  explicit InputTarget(QObject* box);

  bool canType() const override;
  void insertText(const QString& text) override;
  bool deleteBeforeCaret() override;
  void sendEnter() override;
  void takeFocus() override;

 private:
  QPointer<QWidget> box_;
};

}  // namespace ui
