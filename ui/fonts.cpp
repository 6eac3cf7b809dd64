#include "ui/fonts.h"

#include <QStringList>

using namespace Qt::StringLiterals;

namespace hinomori::ui {

namespace {

QFont font(const QStringList& families, int pixelSize, bool bold = false)
{
    QFont f;
    f.setFamilies(families);
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    f.setStyleHint(QFont::SansSerif);
    return f;
}

QStringList proportionalGothic()
{
    return {u"ＭＳ Ｐゴシック"_s, u"MS PGothic"_s, u"IPAPGothic"_s, u"IPAGothic"_s,
            u"Noto Sans CJK JP"_s};
}

}  // namespace

QFont defaultFont()
{
    return font(proportionalGothic(), 12);
}

QFont textBoxFont()
{
    return font({u"ＭＳ ゴシック"_s, u"MS Gothic"_s, u"IPAGothic"_s, u"Noto Sans Mono CJK JP"_s,
                 u"Noto Sans CJK JP"_s},
                16);
}

QFont attentionFont()
{
    return font(proportionalGothic(), 15, true);
}

}  // namespace hinomori::ui
