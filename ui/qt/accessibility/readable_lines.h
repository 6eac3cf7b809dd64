#pragma once

#include <QObject>
#include <QRect>
#include <QStringList>

class QLabel;
class QWidget;

namespace hinomori::ui::accessibility {

// Lets the keyboard reach a multi-line label and walk it line by line; see
// makeReadableByLine. Lives as a child of the label it serves.
class ReadableLines : public QObject {
    Q_OBJECT

public:
    explicit ReadableLines(QLabel* label);

    // The one serving `label`, or none.
    static ReadableLines* of(const QObject* label);

    QStringList lines() const;
    // The lines joined by line feeds: the text as screen readers get it.
    QString text() const { return lines().join(u'\n'); }
    int currentLine() const { return current_; }
    int lineStart(int line) const;
    // Where a line is drawn, in the label's coordinates.
    QRect lineRect(int line) const;

    void moveTo(int line);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void placeMarker();

    QLabel* label_;
    QWidget* marker_;
    int current_ = 0;
};

}  // namespace hinomori::ui::accessibility
