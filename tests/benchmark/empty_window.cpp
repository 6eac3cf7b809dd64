// The yardstick for the start-up benchmark: an empty Qt window of a given
// size with a menu bar of two menus, as cheap as a Qt window with a menu bar
// gets. Usage: empty_window WIDTH HEIGHT (the whole window, in pixels).

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("empty"));
    window.menuBar()->addMenu(QStringLiteral("&File"))->addAction(QStringLiteral("E&xit"), &window, &QWidget::close);
    window.menuBar()->addMenu(QStringLiteral("&Help"))->addAction(QStringLiteral("&About"));
    window.setCentralWidget(new QWidget(&window));
    window.setFixedSize(args.value(1).toInt(), args.value(2).toInt());
    window.show();
    return QApplication::exec();
}
