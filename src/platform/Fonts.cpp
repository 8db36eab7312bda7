#include "platform/Fonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace {

struct FaceMapping {
    const char16_t* windowsFace;
    const char16_t* candidates[2];
    QFont::StyleHint fallback;
    const char16_t* fallbackFamily;
};

constexpr FaceMapping kFaces[] = {
    {u"ＭＳ ゴシック", {u"IPAGothic", u"Noto Sans Mono CJK JP"}, QFont::Monospace, u"monospace"},
    {u"ＭＳ Ｐゴシック", {u"IPAPGothic", u"Noto Sans CJK JP"}, QFont::SansSerif, u"sans-serif"},
};

const FaceMapping* MappingOf(const QString& face) {
    for (const FaceMapping& m : kFaces)
        if (face == QStringView(m.windowsFace)) return &m;
    return nullptr;
}

}  // namespace

FontDescription SharedFontDescription() {
    FontDescription d;
    d.face = u"ＭＳ ゴシック"_qs;
    d.height = 48;
    d.weight = 400;
    d.fixedPitch = true;
    return d;
}

QString FontFace(const QString& face) {
    const FaceMapping* mapping = MappingOf(face);
    if (!mapping) return face;
    const QStringList families = QFontDatabase::families();
    for (const char16_t* candidate : mapping->candidates) {
        QString name = QString::fromUtf16(candidate);
        if (families.contains(name, Qt::CaseInsensitive)) return name;
    }
    return QString::fromUtf16(mapping->fallbackFamily);
}

QFont MakeFont(const FontDescription& description) {
    QFont font(FontFace(description.face));
    if (const FaceMapping* mapping = MappingOf(description.face))
        font.setStyleHint(mapping->fallback);
    if (description.height > 0) font.setPixelSize(description.height);
    font.setWeight(description.weight >= 600 ? QFont::Bold : QFont::Normal);
    font.setItalic(description.italic);
    font.setUnderline(description.underline);
    font.setFixedPitch(description.fixedPitch);
    return font;
}

QFont MakeFontWithHeight(const FontDescription& description, int height) {
    FontDescription copy = description;
    copy.height = height;
    return MakeFont(copy);
}

QFont DialogFont() {
    QFont font(FontFace(u"ＭＳ Ｐゴシック"_qs));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(9);
    return font;
}
