// Fonts. The program names two Windows faces; FontFace maps them to what Debian has:
//   "ＭＳ ゴシック"  -> IPAGothic, Noto Sans Mono CJK JP, then the generic monospace
//   "ＭＳ Ｐゴシック" -> IPAPGothic, Noto Sans CJK JP, then the generic sans serif
// Any other face is used as it is.
//
// The shared font description (face "ＭＳ ゴシック", 48 pixels, weight 400, fixed pitch)
// comes from SharedFontDescription(); MakeFontWithHeight makes a font from it with
// only the height replaced, as the reader, card and tips dialogs do:
//
//   QFont font = MakeFontWithHeight(SharedFontDescription(), 12);
#pragma once

#include <QFont>
#include <QString>

struct FontDescription {
    QString face;
    int height = 0;    // character height in pixels
    int weight = 400;  // 400 normal, 700 bold
    bool italic = false;
    bool underline = false;
    bool fixedPitch = false;
};

FontDescription SharedFontDescription();
// The installed family for a Windows face name.
QString FontFace(const QString& face);
QFont MakeFont(const FontDescription& description);
QFont MakeFontWithHeight(const FontDescription& description, int height);
// The dialog font: "ＭＳ Ｐゴシック" at 9 points.
QFont DialogFont();
