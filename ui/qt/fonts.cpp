#include "ui/qt/fonts.h"

#include "ui/qt/core_text.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QStringList>

using namespace Qt::StringLiterals;
using hinomori::conversion::FontRole;

namespace hinomori::ui {

namespace {

// Behind the Windows face: its English name, then Debian's faces. The
// fixed-pitch IPA face comes before the proportional one for the captions:
// its half-width digits keep the remarks' columns aligned.
QStringList debianFaces(FontRole role)
{
    switch (role) {
    case FontRole::text_box:
        // Noto's fixed-pitch face first: it has a real bold for the emphasis.
        return {u"MS Gothic"_s, u"Noto Sans Mono CJK JP"_s, u"IPAGothic"_s};
    case FontRole::attention:
        return {u"MS PGothic"_s, u"IPAPGothic"_s, u"Noto Sans CJK JP"_s};
    case FontRole::standard:
        break;
    }
    return {u"ＭＳ Ｐゴシック"_s, u"MS PGothic"_s, u"IPAGothic"_s, u"IPAPGothic"_s, u"Noto Sans CJK JP"_s};
}

// Only the faces the machine has: a face it lacks sends Qt to fontconfig
// for that face's substitutes, each time a font is made from the list.
QStringList installed(const QStringList& faces)
{
    static const QStringList present = QFontDatabase::families();
    QStringList kept;
    for (const QString& face : faces) {
        if (present.contains(face))
            kept.append(face);
    }
    return kept;
}

QFont withFallbacks(QFont font, const QStringList& fallbacks)
{
    QStringList families = font.families();
    if (families.isEmpty())
        families.append(font.family());
    for (const QString& face : installed(fallbacks)) {
        if (!families.contains(face))
            families.append(face);
    }
    font.setFamilies(families);
    return font;
}

}  // namespace

QFont defaultFont()
{
    return withFallbacks(QGuiApplication::font(), debianFaces(FontRole::standard));
}

QFont fontFor(FontRole role)
{
    const hinomori::conversion::FontRequest request = hinomori::conversion::font_request(role);
    if (request.face.empty())
        return defaultFont();
    QFont font;
    font.setFamilies(installed(QStringList{toQString(request.face)} + debianFaces(role)));
    font.setStyleHint(request.fixed_pitch ? QFont::Monospace : QFont::SansSerif);
    font.setFixedPitch(request.fixed_pitch);
    font.setPointSizeF(request.twentieths_of_a_point / 20.0);
    font.setBold(request.bold);
    return font;
}

}  // namespace hinomori::ui
