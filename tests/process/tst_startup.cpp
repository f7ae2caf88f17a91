#include <QtTest>

#include <QProcess>
#include <QProcessEnvironment>

// The program itself, started as a person starts it, telling the life of its
// windows through its log category: the splash comes first and closes by
// itself five seconds after it was made, then the main window shows, with
// nothing said that does not belong.
class tst_Startup : public QObject
{
    Q_OBJECT

private slots:
    void splashThenMainWindow();
    void startsRepeatedly();
};

namespace {

struct LogLine {
    qint64 ms; // since the program's first log line
    QString message;
};

// Lines are "seconds.milliseconds|message".
QList<LogLine> parse(const QByteArray &output)
{
    QList<LogLine> lines;
    for (const QByteArray &raw : output.split('\n')) {
        const QString line = QString::fromUtf8(raw).trimmed();
        if (line.isEmpty())
            continue;
        const qsizetype bar = line.indexOf(u'|');
        lines.append({qRound64(line.left(bar).toDouble() * 1000), line.mid(bar + 1)});
    }
    return lines;
}

// Starts the program telling the life of its windows on standard error.
// Wine, on a busy machine, now and then fails to create a process (error 193,
// "not a valid application") before any of the program's code has run: there
// such a start is tried again, a few times at most, so that an executable
// that really cannot start still fails.
bool start(QProcess &program)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("vantrel.windows.debug=true"));
    environment.insert(QStringLiteral("QT_MESSAGE_PATTERN"), QStringLiteral("%{time process}|%{message}"));
    program.setProcessEnvironment(environment);
    for (int attempt = 1; attempt <= VANTREL_START_ATTEMPTS; ++attempt) {
        program.start(QStringLiteral(VANTREL_PROGRAM), {});
        if (program.waitForStarted(10000))
            return true;
        qWarning("start attempt %d failed: %s", attempt, qPrintable(program.errorString()));
        if (program.error() != QProcess::FailedToStart)
            return false;
    }
    return false;
}

} // namespace

void tst_Startup::splashThenMainWindow()
{
    QProcess program;
    QVERIFY2(start(program), qPrintable(program.errorString()));

    QByteArray said;
    const auto mainWindowShown = [&] {
        said += program.readAllStandardError();
        return said.contains("main window shown") || program.state() == QProcess::NotRunning;
    };
    QTRY_VERIFY2_WITH_TIMEOUT(mainWindowShown(), "the main window never showed", 15000);
    QTRY_VERIFY_WITH_TIMEOUT((said += program.readAllStandardError()).endsWith('\n'), 2000);
    program.kill();
    QVERIFY(program.waitForFinished(10000));

    // Nothing else is said: no warning of Qt's, nothing out of order. A run
    // may name the messages that its platform is known to cause (Wine's).
    QList<LogLine> lines = parse(said);
    const QRegularExpression known(qEnvironmentVariable("VANTREL_KNOWN_MESSAGES"));
    if (!known.pattern().isEmpty())
        lines.removeIf([&](const LogLine &line) { return known.match(line.message).hasMatch(); });
    QStringList messages;
    for (const LogLine &line : lines)
        messages << line.message;
    // The main window is built while the card is up, after it has painted.
    QCOMPARE(messages,
             QStringList({QStringLiteral("start-up"), QStringLiteral("splash card created"),
                          QStringLiteral("main window built"), QStringLiteral("splash card closed"),
                          QStringLiteral("main window shown")}));
    const qint64 splashUp = lines[3].ms - lines[1].ms;
    QVERIFY2(splashUp >= 5000 && splashUp <= 5100, qPrintable(QString::number(splashUp)));
}

// A fault at start-up may strike only now and then: every start must get as
// far as its main window.
void tst_Startup::startsRepeatedly()
{
    for (int run = 1; run <= VANTREL_STARTS; ++run) {
        QProcess program;
        QVERIFY2(start(program), qPrintable(program.errorString()));
        QByteArray said;
        const auto loaded = [&] {
            said += program.readAllStandardError();
            return said.contains("main window built") || program.state() == QProcess::NotRunning;
        };
        QTRY_VERIFY_WITH_TIMEOUT(loaded(), 15000);
        QVERIFY2(said.contains("main window built"),
                 qPrintable(QStringLiteral("start %1 ended before its main window was built, status %2: %3")
                                .arg(run)
                                .arg(program.exitCode())
                                .arg(QString::fromLocal8Bit(said))));
        program.kill();
        QVERIFY(program.waitForFinished(10000));
    }
}

QTEST_GUILESS_MAIN(tst_Startup)
#include "tst_startup.moc"
