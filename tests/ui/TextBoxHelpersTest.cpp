// Text-box helpers over real boxes, shown and hidden, on the offscreen platform.
#include "ui/TextBoxHelpers.h"

#include "text/Blank.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QFontMetricsF>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextEdit>
#include <QTextLayout>

#include <gtest/gtest.h>

#include <memory>

namespace {

// The prescription body's font: "宋体" stands for AR PL UMing CN.
QFont bodyFont() {
  QFont font(QStringLiteral("AR PL UMing CN"));
  font.setPointSize(12);
  return font;
}

// A prescription body with long mixed lines, an empty line, a line of blanks and
// leading blanks.
const QString kBody = QString::fromUtf16(
    u"0.9%氯化钠注射液[100]  100ml×1 用法：静脉滴注 每日1次×3天，皮试阴性后使用，注意观察过敏反应\n"
    u"\n"
    u"   \n"
    u"    注射用头孢曲松钠 1.0g×2 Sig: ivgtt qd\n"
    u"Amoxicillin capsules 0.25g x 24 sig: 0.5g tid po after meals, and again before sleeping\n"
    u"黄芪30g      当归10g      白术15g      防风10g      党参15g      茯苓12g");

// The lines the box itself shows, read from its own layout (the box must be shown).
QStringList ownLines(QPlainTextEdit& box) {
  QStringList lines;
  for (QTextBlock block = box.document()->begin(); block.isValid(); block = block.next()) {
    box.document()->documentLayout()->blockBoundingRect(block);  // lays the block out
    const QTextLayout* layout = block.layout();
    for (int i = 0; i < layout->lineCount(); ++i)
      lines.append(block.text().mid(layout->lineAt(i).textStart(), layout->lineAt(i).textLength()));
    if (layout->lineCount() == 0) lines.append(QString());
  }
  return lines;
}

QStringList ownLines(QTextEdit& box) {
  box.document()->documentLayout()->documentSize();  // finishes the layout
  QStringList lines;
  for (QTextBlock block = box.document()->begin(); block.isValid(); block = block.next()) {
    const QTextLayout* layout = block.layout();
    for (int i = 0; i < layout->lineCount(); ++i)
      lines.append(block.text().mid(layout->lineAt(i).textStart(), layout->lineAt(i).textLength()));
    if (layout->lineCount() == 0) lines.append(QString());
  }
  return lines;
}

template <typename Box>
QStringList helperLines(const Box& box) {
  QStringList lines;
  for (int i = 0; i < ui::TextBoxLineCount(&box); ++i) lines.append(ui::GetTextBoxLine(&box, i));
  return lines;
}

template <typename Box>
std::unique_ptr<Box> makeBox(int width) {
  auto box = std::make_unique<Box>();
  box->setFont(bodyFont());
  box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  box->resize(width, 600);
  return box;
}

TEST(TextBoxLines, MatchTheLinesTheBoxShowsWhetherShownOrHidden) {
  for (const int width : {180, 260, 420, 700}) {
    SCOPED_TRACE(width);
    auto plainHidden = makeBox<QPlainTextEdit>(width);
    plainHidden->setPlainText(kBody);
    const QStringList hidden = helperLines(*plainHidden);

    auto plain = makeBox<QPlainTextEdit>(width);
    plain->setPlainText(kBody);
    plain->show();
    QApplication::processEvents();
    EXPECT_EQ(helperLines(*plain), ownLines(*plain));
    EXPECT_EQ(hidden, ownLines(*plain));
    EXPECT_GT(hidden.size(), kBody.count(u'\n') + 1) << "the long lines wrap";

    auto richHidden = makeBox<QTextEdit>(width);
    richHidden->setPlainText(kBody);
    auto rich = makeBox<QTextEdit>(width);
    rich->setPlainText(kBody);
    rich->show();
    QApplication::processEvents();
    EXPECT_EQ(helperLines(*rich), ownLines(*rich));
    EXPECT_EQ(helperLines(*richHidden), ownLines(*rich));
  }
}

TEST(TextBoxLines, GetTextBoxLineGivesEachDisplayedLineWithoutItsBreak) {
  auto box = makeBox<QPlainTextEdit>(2000);  // nothing wraps
  box->setPlainText(QString::fromUtf16(u"挂号费 1次\n\n注射费 2次\n"));
  EXPECT_EQ(ui::TextBoxLineCount(box.get()), 4);
  EXPECT_EQ(ui::GetTextBoxLine(box.get(), 0), QString::fromUtf16(u"挂号费 1次"));
  EXPECT_EQ(ui::GetTextBoxLine(box.get(), 1), "");
  EXPECT_EQ(ui::GetTextBoxLine(box.get(), 2), QString::fromUtf16(u"注射费 2次"));
  EXPECT_EQ(ui::GetTextBoxLine(box.get(), 3), "");
  EXPECT_EQ(ui::GetTextBoxLine(box.get(), 4), "");
  EXPECT_EQ(ui::GetTextBoxLine(box.get(), -1), "");

  // A long line that the box wraps is read as several lines, which join to the line.
  auto narrow = makeBox<QPlainTextEdit>(150);
  const QString line = QString::fromUtf16(u"注射用头孢曲松钠 1.0g×2 用法：静脉滴注 每日1次");
  narrow->setPlainText(line);
  const QStringList pieces = helperLines(*narrow);
  EXPECT_GT(pieces.size(), 1);
  EXPECT_EQ(pieces.join(QString()), line);

  QLineEdit single;
  single.setText(QString::fromUtf16(u"阿莫西林胶囊"));
  EXPECT_EQ(ui::TextBoxLineCount(&single), 1);
  EXPECT_EQ(ui::GetTextBoxLine(&single, 0), QString::fromUtf16(u"阿莫西林胶囊"));
}

TEST(TextBoxLines, CaretColumnCountsCodePage936Bytes) {
  auto box = makeBox<QPlainTextEdit>(2000);
  box->setPlainText(QString::fromUtf16(u"黄芪30g      \n当归10g"));
  QTextCursor cursor = box->textCursor();
  struct Case {
    int position;
    int column;
  };
  const Case cases[] = {
      {0, 1},   // start of the first line
      {2, 5},   // after two double-byte characters
      {5, 8},   // after 黄芪30g
      {11, 14}, // at the end of the first line (13 columns), before its break
      {12, 1},  // start of the second line
      {14, 5},  // after 当归
  };
  for (const Case& c : cases) {
    cursor.setPosition(c.position);
    box->setTextCursor(cursor);
    EXPECT_EQ(ui::CaretColumn(box.get()), c.column) << c.position;
  }
  // A selection counts from its end, whichever way it was made.
  cursor.setPosition(14);
  cursor.setPosition(12, QTextCursor::KeepAnchor);
  box->setTextCursor(cursor);
  EXPECT_EQ(ui::CaretColumn(box.get()), 5);

  // A caret that the box wrapped onto a new line stands at that line's start.
  auto narrow = makeBox<QPlainTextEdit>(150);
  narrow->setPlainText(QString::fromUtf16(u"注射用头孢曲松钠注射用头孢曲松钠注射用头孢曲松钠"));
  const QString first = ui::GetTextBoxLine(narrow.get(), 0);
  ASSERT_LT(first.size(), narrow->toPlainText().size());
  QTextCursor wrapped = narrow->textCursor();
  wrapped.setPosition(first.size());
  narrow->setTextCursor(wrapped);
  EXPECT_EQ(ui::CaretColumn(narrow.get()), 1);
  wrapped.setPosition(first.size() + 1);
  narrow->setTextCursor(wrapped);
  EXPECT_EQ(ui::CaretColumn(narrow.get()), 3);

  QLineEdit single;
  single.setText(QString::fromUtf16(u"紫苑10g"));
  single.setCursorPosition(3);
  EXPECT_EQ(ui::CaretColumn(&single), 6);
}

TEST(WrapTextToLines, KeepsEveryNonBlankLineAsTheBoxShowsIt) {
  const QFont font = bodyFont();
  EXPECT_TRUE(ui::WrapTextToLines(QString(), font, 300).isEmpty());
  EXPECT_TRUE(ui::WrapTextToLines(QStringLiteral("\n   \n\r\n  "), font, 300).isEmpty());

  // A line that fits is one item; leading blanks stay; CR LF and LF both end lines.
  EXPECT_EQ(ui::WrapTextToLines(QString::fromUtf16(u"  黄芪30g\r\n\r\n当归10g  \n"), font, 300),
            (QStringList{QString::fromUtf16(u"  黄芪30g"), QString::fromUtf16(u"当归10g  ")}));

  // A long line breaks into pieces that join to it again, none wider than the box.
  QString nonBlank;
  for (const QString& line : kBody.split(u'\n'))
    if (!text::trimBlanks(line).isEmpty()) nonBlank += line;
  const QFontMetricsF metrics(font);
  for (const qreal width : {120.0, 200.0, 333.0}) {
    SCOPED_TRACE(width);
    const QStringList lines = ui::WrapTextToLines(kBody, font, width);
    EXPECT_GT(lines.size(), 6);
    for (const QString& line : lines) {
      QString shown = line;
      while (shown.endsWith(u' ')) shown.chop(1);  // trailing blanks print as nothing
      EXPECT_LE(metrics.horizontalAdvance(shown), width) << line.toStdString();
    }
    EXPECT_EQ(lines.join(QString()), nonBlank);
  }
}

TEST(WrapTextToLines, OfABoxGivesItsShownLinesLessTheBlankOnes) {
  auto box = makeBox<QPlainTextEdit>(260);
  box->setPlainText(kBody);
  box->show();
  QApplication::processEvents();
  QStringList expected;
  for (const QString& line : ownLines(*box))
    if (!text::trimBlanks(line).isEmpty()) expected.append(line);
  EXPECT_EQ(ui::WrapTextToLines(box.get()), expected);
  EXPECT_EQ(ui::WrapTextToLines(box->toPlainText(), box->font(), ui::TextBoxWrapWidth(box.get())), expected);
}

}  // namespace
