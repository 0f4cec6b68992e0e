// The design's font names on this system: "宋体" → AR PL UMing CN (its Latin letters are
// half as wide as its Chinese, which the column layouts need); "黑体" → WenQuanYi Zen Hei.
#pragma once

namespace platform {

// Installs the substitutions once; later calls do nothing. Windows and prints call it
// before they choose a font.
void installFontSubstitutions();

}  // namespace platform
