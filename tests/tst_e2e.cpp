#include <QtTest>

#include <QDeadlineTimer>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QTemporaryDir>

// Runs the real kurvan on the X server this test was started under (xvfb-run) and drives
// it from outside with xdotool, as a user at the keyboard would.
class tst_E2E : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void quit_data();
    void quit();
    void windowGeometry();

private:
    bool startKurvan();
    bool quitKurvan(const QString &keys = QStringLiteral("alt+q"));
    QByteArray kurvanOutput();

    QTemporaryDir m_workDir;
    QProcess m_kurvan;
    QByteArray m_windowId;
};

namespace {

// Runs xdotool; a run that fails or does not end within the limit counts as failed.
bool xdotool(const QStringList &arguments, QByteArray *output = nullptr, int limitMs = 20000)
{
    QProcess process;
    process.start(QStringLiteral("xdotool"), arguments);
    if (!process.waitForStarted())
        return false;
    if (!process.waitForFinished(limitMs)) {
        process.kill();
        process.waitForFinished();
        return false;
    }
    if (output)
        *output = process.readAllStandardOutput();
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

} // namespace

void tst_E2E::initTestCase()
{
    QVERIFY2(qEnvironmentVariableIsSet("DISPLAY"), "run under xvfb-run");
    QVERIFY(m_workDir.isValid());
    QVERIFY2(QFileInfo(KURVAN_BINARY).isExecutable(), KURVAN_BINARY);
}

void tst_E2E::cleanup()
{
    if (m_kurvan.state() != QProcess::NotRunning) {
        m_kurvan.kill();
        m_kurvan.waitForFinished();
    }
    m_windowId.clear();
}

// Starts kurvan and waits for its main window to be mapped, or for kurvan to end.
bool tst_E2E::startKurvan()
{
    // The X server of this test, not the offscreen platform the unit tests use; the
    // sanitizer settings go along.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    m_kurvan.setProcessEnvironment(environment);
    m_kurvan.setWorkingDirectory(m_workDir.path());
    m_kurvan.start(QStringLiteral(KURVAN_BINARY), {});
    if (!m_kurvan.waitForStarted())
        return false;

    QProcess search;
    search.start(QStringLiteral("xdotool"),
                 {"search", "--sync", "--onlyvisible", "--name", "^Auswerten von ZEL Daten$"});
    const QDeadlineTimer deadline(30000);
    while (!search.waitForFinished(100)) {
        if (m_kurvan.waitForFinished(0) || m_kurvan.state() == QProcess::NotRunning || deadline.hasExpired()) {
            search.kill();
            search.waitForFinished();
            return false;
        }
    }
    const QList<QByteArray> ids = search.readAllStandardOutput().trimmed().split('\n');
    m_windowId = ids.value(0).trimmed();
    return search.exitCode() == 0 && ids.size() == 1 && !m_windowId.isEmpty();
}

// The keys go to the focused window as from the keyboard.
bool tst_E2E::quitKurvan(const QString &keys)
{
    return xdotool({"windowfocus", "--sync", QString::fromLatin1(m_windowId)}) && xdotool({"key", keys})
           && m_kurvan.waitForFinished(20000);
}

QByteArray tst_E2E::kurvanOutput()
{
    return "kurvan " + QByteArray(m_kurvan.state() == QProcess::NotRunning ? "ended" : "runs") + ", exit code "
           + QByteArray::number(m_kurvan.exitCode()) + ", standard error:\n" + m_kurvan.readAllStandardError().right(4000);
}

void tst_E2E::quit_data()
{
    QTest::addColumn<QString>("keys");
    // Alt+Q is the mnemonic of the panel's "&Quit"; Ctrl+Q closes the window through Exit.
    QTest::newRow("Alt+Q, the Quit button") << "alt+q";
    QTest::newRow("Ctrl+Q, Exit") << "ctrl+q";
}

void tst_E2E::quit()
{
    QFETCH(QString, keys);
    if (!startKurvan())
        QFAIL(kurvanOutput().constData());
    QCOMPARE(m_kurvan.state(), QProcess::Running);

    if (!quitKurvan(keys))
        QFAIL(kurvanOutput().constData());
    QCOMPARE(m_kurvan.exitStatus(), QProcess::NormalExit);
    // A sanitizer report, a leak included, would end the process with another status.
    if (m_kurvan.exitCode() != 0)
        QFAIL(kurvanOutput().constData());
}

void tst_E2E::windowGeometry()
{
    if (!startKurvan())
        QFAIL(kurvanOutput().constData());
    QByteArray geometry;
    QVERIFY(xdotool({"getwindowgeometry", QString::fromLatin1(m_windowId)}, &geometry));
    const QString text = QString::fromLatin1(geometry);
    QVERIFY2(QRegularExpression("Geometry: 600x400\\b").match(text).hasMatch(), geometry);
    // No window manager moves it, so it stands where the program put it.
    QVERIFY2(QRegularExpression("Position: 50,50\\b").match(text).hasMatch(), geometry);

    if (!quitKurvan())
        QFAIL(kurvanOutput().constData());
    QCOMPARE(m_kurvan.exitStatus(), QProcess::NormalExit);
    if (m_kurvan.exitCode() != 0)
        QFAIL(kurvanOutput().constData());
}

QTEST_GUILESS_MAIN(tst_E2E)
#include "tst_e2e.moc"
