#pragma once

#include <QLabel>

namespace hinomori::ui::accessibility {

// A multi-line label the keyboard can reach and screen readers read one line
// at a time: Tab stops on it, ↑/↓/Home/End move a current line, and a dotted
// focus frame drawn over the text marks that line while the label has the
// focus. It lays out and paints its lines itself, from the top left of its
// contents, one every `pitch` pixels.
class ReadableLines : public QLabel {
    Q_OBJECT

public:
    explicit ReadableLines(QWidget* parent);

    // Where `lines` in `font` go: the first baseline below the top of the
    // contents, and the distance from one line to the next, in pixels.
    struct Layout {
        int baseline;
        int pitch;
    };
    static Layout layoutOf(const QFont& font, const QStringList& lines);

    // The lines joined by line feeds: the text as screen readers get it.
    QString readableText() const;
    int currentLine() const { return current_; }
    int lineStart(int line) const;
    // Where a line is drawn: its part of the label, one pitch tall.
    QRect lineRect(int line) const;

    void moveTo(int line);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    QStringList lines() const;

    int current_ = 0;
};

}  // namespace hinomori::ui::accessibility
