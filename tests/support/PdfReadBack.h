// A printed PDF read back with pdftotext -bbox and pdffonts: the page size, every word at
// its place in points, and the fonts; with checks of a word's place and an embedded font.
#pragma once

#include <QList>
#include <QString>

namespace testing_support {

struct PdfWord {
  QString text;
  double x, y;  // points from the page's top-left corner
  int page;     // from 0
};

struct PdfPage {
  double width = 0, height = 0;  // of the first page
  int pages = 0;
  QList<PdfWord> words;
  QString fonts;  // pdffonts' listing

  // The first word equal to `text`, nullptr when there is none.
  const PdfWord* find(const QString& text) const;
  // Every word of the page, in reading order, joined by blanks.
  QString text() const;
};

PdfPage readBackPdf(const QString& pdf);

// With TAVORIN_PRINT_COPIES set to a folder, the PDF is also kept there as `name`.pdf, to
// be looked at as an image.
void keepPrintCopy(const QString& pdf, const QString& name);

// Twips from the printable area (the whole page of the PDF device) in points.
constexpr double pointsOfTwips(double twips) { return twips / 20; }

// The word stands on the page (from 0) at the place in twips, within a point.
void expectWordAt(const PdfPage& page, const QString& text, double xTwips, double yTwips, int onPage = 0);
// pdffonts lists a font whose name holds `font`, embedded.
void expectEmbedded(const PdfPage& page, const QString& font);

}  // namespace testing_support
