#include "ui/qt/about/frmAbout.h"

#include "conversion/window_texts.h"

#include "ui/qt/accessibility/accessibility.h"
#include "ui/qt/fonts.h"
#include "ui/qt/program_icon.h"
#include "ui/qt/twips.h"
#include "ui/qt/version.h"
#include "ui/qt/window_placement.h"

#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

using namespace Qt::StringLiterals;
using hinomori::ui::rectFromTwips;

frmAbout::frmAbout(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
{
    hinomori::ui::accessibility::install();
    setObjectName(u"frmAbout"_s);
    setWindowTitle(u"ひのもりのバージョン情報"_s);
    setFont(hinomori::ui::defaultFont());
    setModal(true);
    setFixedSize(hinomori::ui::pixelsFromTwips(3180), hinomori::ui::pixelsFromTwips(1845));

    // Created in tab order.
    cmdOk = new QPushButton(u"OK"_s, this);
    cmdOk->setObjectName(u"cmdOk"_s);
    cmdOk->setGeometry(rectFromTwips(1065, 1350, 1050, 345));
    cmdOk->setDefault(true);  // Enter closes the dialog; Esc does too, as in every dialog
    connect(cmdOk, &QPushButton::clicked, this, &QDialog::accept);

    picIcon = new QLabel(this);
    picIcon->setObjectName(u"picIcon"_s);
    picIcon->setGeometry(rectFromTwips(315, 195, 480, 480));
    picIcon->setPixmap(hinomori::ui::programIcon().pixmap(picIcon->size()));

    lblTitle = new QLabel(u"ひのもり"_s, this);
    lblTitle->setObjectName(u"lblTitle"_s);
    lblTitle->setGeometry(rectFromTwips(975, 360, 1035, 180));
    colourTitle();

    lblVersion = new QLabel(
        QString::fromStdU16String(hinomori::conversion::version_text(hinomori::version::major, hinomori::version::minor)),
        this);
    lblVersion->setObjectName(u"lblVersion"_s);
    lblVersion->setGeometry(rectFromTwips(2115, 360, 750, 180));

    lblCopyright = new QLabel(QString::fromUtf16(hinomori::version::copyright), this);
    lblCopyright->setObjectName(u"lblCopyright"_s);
    lblCopyright->setGeometry(rectFromTwips(285, 945, 2610, 180));
    lblCopyright->setAlignment(Qt::AlignCenter);

    // Screen readers read a dialog's title and then its description; on
    // their own they skip labels of one word, and Japanese has no spaces.
    setAccessibleDescription(lblTitle->text() + u' ' + lblVersion->text() + u' ' + lblCopyright->text());

    // The parent makes the dialog a transient window of the main window
    // (xdg_toplevel.set_parent), which compositors such as GNOME's keep over
    // it. Others (sway) raise the main window over the dialog when it is
    // clicked, and the window then seems frozen: the dialog asks for the
    // activation back, which such a compositor grants or shows as urgent.
    if (parent && hinomori::ui::placedByCompositor())
        parent->window()->installEventFilter(this);
}

bool frmAbout::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::WindowActivate && isVisible()) {
        QTimer::singleShot(0, this, [this] {
            raise();
            activateWindow();
        });
    }
    return QDialog::eventFilter(watched, event);
}

void frmAbout::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::ApplicationPaletteChange)
        colourTitle();
}

void frmAbout::colourTitle()
{
    // The name is black, which only reads on a light background: under a
    // dark theme it takes the theme's own text colour.
    const QPalette dialog = palette();
    const bool light = dialog.color(QPalette::Window).lightness() >= 128;
    QPalette title = lblTitle->palette();
    title.setColor(QPalette::WindowText, light ? QColor(Qt::black) : dialog.color(QPalette::WindowText));
    lblTitle->setPalette(title);
}
