#include "ui/main/mModule.h"

#include <QLineEdit>
#include <QObject>

#include <algorithm>

namespace mModule {

namespace {

// QLineEdit::setMaxLength would also cut text set by the program, so the bound
// is applied after each user edit instead: the part of the edit that does not
// fit is dropped, as a native edit control with a text limit does.
class TypingLimit : public QObject {
public:
    TypingLimit(QLineEdit* box, int length)
        : QObject(box), box_(box), length_(length), accepted_(box->text())
    {
        connect(box, &QLineEdit::textEdited, this, &TypingLimit::enforce);
        // Read the box, not the signal's argument: a correction made while the
        // edit is still being reported arrives before the stale notification.
        connect(box, &QLineEdit::textChanged, this, [this] { accepted_ = box_->text(); });
    }

private:
    void enforce()
    {
        const QString edited = box_->text();
        if (edited.size() <= length_ || edited.size() <= accepted_.size())
            return;

        // The edit replaced accepted_[prefix, accepted_.size() - suffix) with
        // edited[prefix, edited.size() - suffix).
        const qsizetype shorter = std::min(edited.size(), accepted_.size());
        qsizetype prefix = 0;
        while (prefix < shorter && edited[prefix] == accepted_[prefix])
            ++prefix;
        qsizetype suffix = 0;
        while (suffix < shorter - prefix
               && edited[edited.size() - 1 - suffix] == accepted_[accepted_.size() - 1 - suffix])
            ++suffix;

        const qsizetype room = std::max<qsizetype>(0, length_ - (prefix + suffix));
        QString inserted = edited.mid(prefix, edited.size() - prefix - suffix).left(room);
        if (!inserted.isEmpty() && inserted.back().isHighSurrogate())
            inserted.chop(1);  // never leave half a character behind

        const QString bounded = accepted_.left(prefix) + inserted + accepted_.right(suffix);
        box_->setText(bounded);
        box_->setCursorPosition(static_cast<int>(prefix + inserted.size()));
    }

    QLineEdit* box_;
    int length_;
    QString accepted_;
};

}  // namespace

void LimitTextLen(QLineEdit* box, int length)
{
    new TypingLimit(box, length);
}

}  // namespace mModule
