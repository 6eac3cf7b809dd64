// Qt's messages while the program starts, and after. The fatal message's one
// line and exit status are checked on the real program (check_no_display.sh).

#include "ui/qt/start_up.h"

#include <QTest>

namespace {

QStringList heard;

void listen(QtMsgType, const QMessageLogContext&, const QString& message)
{
    heard << message;
}

}  // namespace

class TestStartUp : public QObject {
    Q_OBJECT

private slots:
    void warningsStayOutUntilTheApplicationIsUp();
};

void TestStartUp::warningsStayOutUntilTheApplicationIsUp()
{
    const QtMessageHandler before = qInstallMessageHandler(listen);
    heard.clear();
    {
        hinomori::ui::StartUpMessages startUp;
        qWarning("while starting");
        startUp.release();
        qWarning("once up");
    }
    qWarning("after");
    qInstallMessageHandler(before);
    QCOMPARE(heard, (QStringList{QStringLiteral("once up"), QStringLiteral("after")}));
}

QTEST_APPLESS_MAIN(TestStartUp)
#include "tst_start_up.moc"
