#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// The version dialog: icon, name, version and copyright notice. Modal; made
// afresh each time it is shown.
class frmAbout : public QDialog {
    Q_OBJECT

public:
    explicit frmAbout(QWidget* parent = nullptr);

protected:
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void colourTitle();

    QPushButton* cmdOk = nullptr;
    QLabel* picIcon = nullptr;
    QLabel* lblTitle = nullptr;
    QLabel* lblVersion = nullptr;
    QLabel* lblCopyright = nullptr;
};
