#include "spreadsheet/CellStyles.h"

#include "spreadsheet/BiffRecords.h"
#include "spreadsheet/LittleEndian.h"

namespace spreadsheet::biff {
namespace {

const QString kFontName = QStringLiteral("宋体");
constexpr std::uint8_t kGb2312Charset = 134;

// Font 4 does not exist in this format: the fifth font written is index 5.
constexpr std::uint16_t kFirstOwnFont = 5;
constexpr int kStandardFonts = 4;
constexpr std::uint16_t kFirstOwnFormat = 164;
constexpr int kStyleXfs = 15;
constexpr std::uint16_t kStandardCellXf = 15;

struct BuiltInFormat {
  const char16_t* code;
  std::uint16_t index;
};
constexpr BuiltInFormat kBuiltInFormats[] = {{u"General", 0}, {u"0", 1}, {u"0.00", 2}};

void putFont(QByteArray& stream, const Font& font) {
  QByteArray data;
  putU16(data, static_cast<std::uint16_t>(font.size() * 20 + 0.5));  // twips
  putU16(data, font.bold ? 0x0001 : 0);  // the old bold flag, which some readers still take; not italic
  putU16(data, 0x7FFF);                                              // automatic colour
  putU16(data, font.bold ? 700 : 400);
  putU16(data, 0);  // no super- or subscript
  putU8(data, 0);   // not underlined
  putU8(data, 0);   // family
  putU8(data, kGb2312Charset);
  putU8(data, 0);
  putShortString(data, kFontName);
  putRecord(stream, kFont, data);
}

// One XF: font, format, whether it is a style XF, and the attribute bits.
void putXf(QByteArray& stream, std::uint16_t font, std::uint16_t format, bool style, std::uint8_t used) {
  QByteArray data;
  putU16(data, font);
  putU16(data, format);
  // Locked; a style XF has no parent (0xFFF), a cell XF has the Normal style XF 0.
  putU16(data, style ? 0xFFF5 : 0x0001);
  putU8(data, 0x20);  // general horizontal alignment, bottom vertical alignment
  putU8(data, 0);     // no rotation
  putU8(data, 0);     // no indent
  putU8(data, used);
  putU32(data, 0);    // no borders
  putU32(data, 0);    // no border colours, no fill
  putU16(data, 64 | (65 << 7));  // system foreground and background colours
  putRecord(stream, kXf, data);
}

}  // namespace

std::uint16_t CellStyles::fontIndex(const Font& font) {
  const Font same{font.bold, font.size()};  // 0 points and 12 points are one font
  if (same == Font{false, kDefaultFontPoints}) return 0;
  const qsizetype at = fonts_.indexOf(same);
  if (at >= 0) return static_cast<std::uint16_t>(kFirstOwnFont + at);
  fonts_.append(same);
  return static_cast<std::uint16_t>(kFirstOwnFont + fonts_.size() - 1);
}

std::uint16_t CellStyles::formatIndex(const QString& format) {
  for (const BuiltInFormat& f : kBuiltInFormats)
    if (format == QStringView(f.code)) return f.index;
  const qsizetype at = formats_.indexOf(format);
  if (at >= 0) return static_cast<std::uint16_t>(kFirstOwnFormat + at);
  formats_.append(format);
  return static_cast<std::uint16_t>(kFirstOwnFormat + formats_.size() - 1);
}

std::uint16_t CellStyles::xfFor(const Font& font, const QString& format) {
  const Xf xf{fontIndex(font), formatIndex(format.isEmpty() ? QStringLiteral("General") : format)};
  if (xf == Xf{0, 0}) return kStandardCellXf;
  const qsizetype at = cellXfs_.indexOf(xf);
  if (at >= 0) return static_cast<std::uint16_t>(kStandardCellXf + 1 + at);
  cellXfs_.append(xf);
  return static_cast<std::uint16_t>(kStandardCellXf + cellXfs_.size());
}

void CellStyles::write(QByteArray& stream) const {
  for (int i = 0; i < kStandardFonts; ++i) putFont(stream, Font{});
  for (const Font& font : fonts_) putFont(stream, font);

  for (qsizetype i = 0; i < formats_.size(); ++i) {
    QByteArray data;
    putU16(data, static_cast<std::uint16_t>(kFirstOwnFormat + i));
    putString(data, formats_[i]);
    putRecord(stream, kFormat, data);
  }

  putXf(stream, 0, 0, true, 0x00);  // the Normal style
  for (int i = 1; i < kStyleXfs; ++i) putXf(stream, 0, 0, true, 0xF4);
  putXf(stream, 0, 0, false, 0x00);  // the standard cell XF 15
  for (const Xf& xf : cellXfs_) putXf(stream, xf.font, xf.format, false, 0x0C);  // own font and format

  QByteArray normal;
  putU16(normal, 0x8000);  // built-in style on XF 0
  putU8(normal, 0);        // Normal
  putU8(normal, 0xFF);
  putRecord(stream, kStyle, normal);
}

}  // namespace spreadsheet::biff
