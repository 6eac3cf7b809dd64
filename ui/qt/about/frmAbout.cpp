#include "ui/qt/about/frmAbout.h"

#include "ui/about/about_window.h"
#include "ui/qt/accessibility.h"
#include "ui/qt/core_text.h"
#include "ui/qt/form_builder.h"
#include "ui/qt/version.h"
#include "ui/qt/window_placement.h"

#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

using hinomori::ui::toQString;

frmAbout::frmAbout(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
{
    hinomori::ui::accessibility::install();
    const hinomori::ui::form::WindowDescription description = hinomori::ui::about_window::description();
    setObjectName(toQString(description.name));
    setWindowTitle(toQString(description.caption));
    setModal(true);

    controls = std::make_unique<hinomori::ui::FormControls>(description, this);
    cmdOk = controls->add<QPushButton>(u"cmdOk");
    lblTitle = controls->add<QLabel>(u"lblTitle");
    lblVersion = controls->add<QLabel>(u"lblVersion");
    lblCopyright = controls->add<QLabel>(u"lblCopyright");
    controls->addTheRest();
    // Enter presses OK as the default button; Esc closes the dialog as in every dialog.
    connect(cmdOk, &QPushButton::clicked, this, &QDialog::accept);

    const std::u16string version =
        hinomori::ui::about_window::version_text(hinomori::version::major, hinomori::version::minor);
    lblVersion->setText(toQString(version));
    lblCopyright->setText(toQString(hinomori::version::copyright));
    setAccessibleDescription(toQString(hinomori::ui::about_window::about_description(version, hinomori::version::copyright)));
    colourTitle();
    controls->place();

    // The parent makes the dialog a transient window of the main window
    // (xdg_toplevel.set_parent), which GNOME's and KDE's compositors keep
    // over it. Others (sway) raise the main window over the dialog when it
    // is clicked, and the window then seems frozen: there the dialog asks
    // for the activation back, which such a compositor grants or shows as urgent.
    if (parent && hinomori::ui::placedByCompositor()
        && hinomori::ui::dialogNeedsReactivating(qEnvironmentVariable("XDG_CURRENT_DESKTOP")))
        parent->window()->installEventFilter(this);
}

frmAbout::~frmAbout() = default;

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
    const QColor background = dialog.color(QPalette::Window);
    const bool black = hinomori::ui::about_window::black_reads_on(background.red(), background.green(), background.blue());
    QPalette title = lblTitle->palette();
    title.setColor(QPalette::WindowText, black ? QColor(Qt::black) : dialog.color(QPalette::WindowText));
    lblTitle->setPalette(title);
}
