#include "ui/qt/fonts.h"

#include "ui/qt/core_text.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QStringList>

using namespace Qt::StringLiterals;
using hinomori::ui::form::FontRole;

namespace hinomori::ui {

namespace {

// Qt lists the IPA faces by the names fontconfig gives them in the
// desktop's language: in Japanese, by their Japanese names.
const QString ipaGothic[] = {u"IPAGothic"_s, u"IPAゴシック"_s};
const QString ipaPGothic[] = {u"IPAPGothic"_s, u"IPA Pゴシック"_s};

// Behind the Windows face: its English name, then Debian's faces. IPA's
// faces come first: they were drawn to the Windows faces' metrics. Like
// MS Gothic, IPA Gothic has no bold face; its emphasis is drawn bold from
// the regular, as Windows draws it. For the captions the fixed-pitch IPA
// face comes before the proportional one: its half-width digits keep the
// remarks' columns aligned.
QStringList debianFaces(FontRole role)
{
    switch (role) {
    case FontRole::text_box:
        return {u"MS Gothic"_s, ipaGothic[0], ipaGothic[1], u"Noto Sans Mono CJK JP"_s};
    case FontRole::attention:
        return {u"MS PGothic"_s, ipaPGothic[0], ipaPGothic[1], u"Noto Sans CJK JP"_s};
    case FontRole::standard:
        break;
    }
    return {u"ＭＳ Ｐゴシック"_s, u"MS PGothic"_s, ipaGothic[0],  ipaGothic[1],
            ipaPGothic[0],    ipaPGothic[1],  u"Noto Sans CJK JP"_s};
}

// The first of `faces` the machine has. A font asks for that one face
// alone: for a font of several faces Qt sorts fontconfig's whole fallback
// list for each face and each script it shows, a tenth of the start-up.
// Characters the face lacks still come from fontconfig's fallbacks.
QString firstInstalled(const QStringList& faces)
{
    static const QStringList present = QFontDatabase::families();
    for (const QString& face : faces) {
        if (present.contains(face))
            return face;
    }
    return {};
}

}  // namespace

QFont defaultFont()
{
    QFont font = QGuiApplication::font();
    // Japanese and Latin need no shaping: without it each text is laid out
    // as its characters' glyphs side by side, at a fifth of the cost.
    font.setStyleStrategy(QFont::PreferNoShaping);
    if (QFontDatabase::writingSystems(font.family()).contains(QFontDatabase::Japanese))
        return font;
    if (const QString japanese = firstInstalled(debianFaces(FontRole::standard)); !japanese.isEmpty())
        font.setFamily(japanese);
    return font;
}

QFont fontFor(FontRole role)
{
    const hinomori::ui::form::FontRequest request = hinomori::ui::form::font_request(role);
    if (request.face.empty())
        return defaultFont();
    QFont font;
    font.setFamily(firstInstalled(QStringList{toQString(request.face)} + debianFaces(role)));
    font.setStyleHint(request.fixed_pitch ? QFont::Monospace : QFont::SansSerif);
    font.setFixedPitch(request.fixed_pitch);
    font.setPointSizeF(request.twentieths_of_a_point / 20.0);
    font.setBold(request.bold);
    font.setStyleStrategy(QFont::PreferNoShaping);
    return font;
}

}  // namespace hinomori::ui
