#include "ui/qt/fonts.h"

#include <QFontMetrics>
#include <QStringList>

using namespace Qt::StringLiterals;

namespace hinomori::ui {

namespace {

QFont fittedFont(const QStringList& families, int pixelSize, int maxLineHeight, bool bold = false)
{
    QFont font;
    font.setFamilies(families);
    font.setStyleHint(QFont::SansSerif);
    font.setBold(bold);
    font.setPixelSize(pixelSize);
    while (pixelSize > 8 && QFontMetrics(font).height() > maxLineHeight)
        font.setPixelSize(--pixelSize);
    return font;
}

}  // namespace

QFont defaultFont()
{
    return fittedFont({u"ＭＳ Ｐゴシック"_s, u"MS PGothic"_s, u"IPAGothic"_s, u"IPAPGothic"_s, u"Noto Sans CJK JP"_s},
                      12, 12);
}

QFont textBoxFont()
{
    return fittedFont({u"ＭＳ ゴシック"_s, u"MS Gothic"_s, u"IPAGothic"_s, u"Noto Sans Mono CJK JP"_s}, 16, 17);
}

QFont attentionFont()
{
    return fittedFont({u"ＭＳ Ｐゴシック"_s, u"MS PGothic"_s, u"IPAPGothic"_s, u"Noto Sans CJK JP"_s}, 15, 15, true);
}

}  // namespace hinomori::ui
