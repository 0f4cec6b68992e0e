#include "support/PdfReadBack.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStringList>

#include <gtest/gtest.h>

namespace testing_support {
namespace {

QString run(const QString& program, const QStringList& arguments) {
  QProcess process;
  process.start(program, arguments);
  process.waitForFinished(30000);
  return QString::fromUtf8(process.readAllStandardOutput());
}

}  // namespace

const PdfWord* PdfPage::find(const QString& text) const {
  for (const PdfWord& w : words)
    if (w.text == text) return &w;
  return nullptr;
}

QString PdfPage::text() const {
  QStringList all;
  for (const PdfWord& w : words) all << w.text;
  return all.join(u' ');
}

PdfPage readBackPdf(const QString& pdf) {
  PdfPage page;
  const QString html = run(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
  const QRegularExpression pageSize(QStringLiteral(R"re(<page width="([\d.]+)" height="([\d.]+)">)re"));
  if (const auto m = pageSize.match(html); m.hasMatch()) {
    page.width = m.captured(1).toDouble();
    page.height = m.captured(2).toDouble();
  }
  const QRegularExpression word(QStringLiteral(R"re(<word xMin="([\d.]+)" yMin="([\d.]+)"[^>]*>([^<]*)</word>)re"));
  const QStringList pages = html.split(QStringLiteral("<page "));
  page.pages = static_cast<int>(pages.size()) - 1;
  for (int p = 1; p < pages.size(); ++p)
    for (auto it = word.globalMatch(pages[p]); it.hasNext();) {
      const auto m = it.next();
      page.words.append({m.captured(3), m.captured(1).toDouble(), m.captured(2).toDouble(), p - 1});
    }
  page.fonts = run(QStringLiteral("pdffonts"), {pdf});
  return page;
}

void keepPrintCopy(const QString& pdf, const QString& name) {
  const QString copies = qEnvironmentVariable("TAVORIN_PRINT_COPIES");
  if (copies.isEmpty()) return;
  const QString copy = copies + u'/' + name + QStringLiteral(".pdf");
  QFile::remove(copy);
  QFile::copy(pdf, copy);
}

void expectWordAt(const PdfPage& page, const QString& text, double xTwips, double yTwips, int onPage) {
  const PdfWord* w = page.find(text);
  ASSERT_NE(w, nullptr) << text.toStdString() << "\n" << page.text().toStdString();
  EXPECT_EQ(w->page, onPage) << text.toStdString();
  EXPECT_NEAR(w->x, pointsOfTwips(xTwips), 1.0) << text.toStdString();
  EXPECT_NEAR(w->y, pointsOfTwips(yTwips), 1.0) << text.toStdString();
}

void expectEmbedded(const PdfPage& page, const QString& font) {
  const QStringList lines = page.fonts.split(u'\n');
  bool found = false;
  for (const QString& line : lines) {
    if (!line.contains(font)) continue;
    found = true;
    // pdffonts: name, type, encoding, then emb, sub, uni, object ID.
    const QRegularExpression embedded(QStringLiteral(R"(\s+yes\s+(yes|no)\s+(yes|no)\s+\d+\s+\d+\s*$)"));
    EXPECT_TRUE(line.contains(embedded)) << line.toStdString();
  }
  EXPECT_TRUE(found) << font.toStdString() << "\n" << page.fonts.toStdString();
}

}  // namespace testing_support
