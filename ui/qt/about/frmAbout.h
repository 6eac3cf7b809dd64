#pragma once

#include <QDialog>

#include <memory>

class QLabel;
class QPushButton;

namespace hinomori::ui {
class FormControls;
}

// The version dialog: icon, name, version and copyright notice. Modal; made
// afresh each time it is shown. Its controls are the core's description of
// it (conversion::about_window).
class frmAbout : public QDialog {
    Q_OBJECT

public:
    explicit frmAbout(QWidget* parent = nullptr);
    ~frmAbout() override;

protected:
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void colourTitle();

    std::unique_ptr<hinomori::ui::FormControls> controls;
    QPushButton* cmdOk = nullptr;
    QLabel* lblTitle = nullptr;
    QLabel* lblVersion = nullptr;
    QLabel* lblCopyright = nullptr;
};
