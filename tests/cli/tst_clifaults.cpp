// The command line run as a user runs it, through the real executable, with
// its standard streams full, closed or pointing where nothing can be read or
// written: every failure ends with exit status 2 and a message, never with a
// success or an abort, and nothing that was there is destroyed.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <filesystem>

#include <sys/stat.h>

class TestCliFaults : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void faults_data();
    void faults();
    void pipeTargetIsKept();

private:
    struct Ran {
        int status = -1;
        QByteArray output;
        QByteArray errors;
    };
    Ran runShell(const QString &script, const QStringList &environment = {}) const;

    QTemporaryDir m_dir;
};

void TestCliFaults::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QFile good(m_dir.filePath("good.csv"));
    QVERIFY(good.open(QIODevice::WriteOnly));
    good.write("pH,PaCO2,PaO2,HCO3,FiO2,Age\n7.4,40,90,24,21,40\n");
    good.close();
    // A name in Latin-1, which Qt's own file names cannot hold.
    const std::string latin1 = QFile::encodeName(m_dir.path()).toStdString() + "/caf\xe9.csv";
    QVERIFY(std::filesystem::copy_file(QFile::encodeName(good.fileName()).toStdString(), latin1));
    QFile plain(m_dir.filePath("plain"));
    QVERIFY(plain.open(QIODevice::WriteOnly));
    QCOMPARE(mkfifo(QFile::encodeName(m_dir.filePath("pipe")).constData(), 0600), 0);
}

TestCliFaults::Ran TestCliFaults::runShell(const QString &script, const QStringList &environment) const
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("CLI", HALVEX_CLI_PATH);
    env.insert("DIR", m_dir.path());
    env.insert("ASAN_OPTIONS", "detect_leaks=0");
    for (const QString &entry : environment)
        env.insert(entry.section('=', 0, 0), entry.section('=', 1));
    process.setProcessEnvironment(env);
    process.setStandardInputFile(QProcess::nullDevice());
    process.start("/bin/sh", {"-c", script});
    Ran ran;
    if (!process.waitForFinished(60000))
        return ran;
    ran.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    ran.output = process.readAllStandardOutput();
    ran.errors = process.readAllStandardError();
    return ran;
}

void TestCliFaults::faults_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QStringList>("environment");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("said");

    const QStringList none;
    QTest::newRow("assess into a full disk") << R"("$CLI" assess "$DIR/good.csv" > /dev/full)" << none << 2
                                             << "halvex-cli: cannot write the output\n";
    QTest::newRow("generate into a full disk") << R"("$CLI" generate --count 100000 > /dev/full)" << none << 2
                                               << "halvex-cli: cannot write the output\n";
    QTest::newRow("help into a full disk") << R"("$CLI" --help > /dev/full)" << none << 2
                                           << "halvex-cli: cannot write the output\n";
    QTest::newRow("command help into a full disk") << R"("$CLI" generate --help > /dev/full)" << none << 2
                                                   << "halvex-cli: cannot write the output\n";
    QTest::newRow("generate with the output closed") << R"("$CLI" generate >&-)" << none << 2
                                                     << "halvex-cli: cannot write the output\n";
    QTest::newRow("version with the output closed") << R"("$CLI" --version >&-)" << none << 2
                                                    << "halvex-cli: cannot write the output\n";
    QTest::newRow("input a folder") << R"("$CLI" assess < "$DIR")" << none << 2
                                    << "halvex-cli: error while reading standard input; the rows before it were written\n";
    QTest::newRow("input closed") << R"("$CLI" assess <&-)" << none << 2
                                  << "halvex-cli: error while reading standard input; the rows before it were written\n";
    QTest::newRow("a file that is a folder") << R"("$CLI" assess "$DIR")" << none << 2 << "it is a directory";
    QTest::newRow("a file that is not there") << R"("$CLI" assess "$DIR/missing.csv")" << none << 2
                                              << "No such file or directory";
    if (QFileInfo::exists("/proc/self/mem"))
        QTest::newRow("a file that cannot be read") << R"("$CLI" assess /proc/self/mem)" << none << 2
                                                    << "error while reading /proc/self/mem";
    QTest::newRow("a sheet where no folder is") << R"("$CLI" sheet --count 2 --out "$DIR/plain/sheet.pdf")" << none
                                                << 2 << "cannot write";
    QTest::newRow("a file name that is not UTF-8") << "\"$CLI\" assess \"$DIR/caf$(printf '\\351').csv\" > /dev/null"
                                                   << none << 0 << "";
    QTest::newRow("a sheet with no display") << R"("$CLI" sheet --count 2 --out "$DIR/sheet.pdf")"
                                             << QStringList{"QT_QPA_PLATFORM=xcb", "DISPLAY=", "XDG_RUNTIME_DIR="} << 0
                                             << "";
}

void TestCliFaults::faults()
{
    QFETCH(QString, script);
    QFETCH(QStringList, environment);
    QFETCH(int, status);
    QFETCH(QString, said);

    const Ran ran = runShell(script, environment);
    QCOMPARE(ran.status, status);
    if (said.isEmpty())
        QCOMPARE(QString::fromUtf8(ran.errors), QString()); // nothing but its own messages, and here none
    else
        QVERIFY2(QString::fromUtf8(ran.errors).contains(said), ran.errors.constData());
}

void TestCliFaults::pipeTargetIsKept()
{
    const Ran ran = runShell(R"("$CLI" sheet --count 2 --out "$DIR/pipe")");
    QCOMPARE(ran.status, 2);
    QVERIFY2(ran.errors.contains("not a regular file"), ran.errors.constData());
    struct stat status {};
    QCOMPARE(lstat(QFile::encodeName(m_dir.filePath("pipe")).constData(), &status), 0);
    QVERIFY(S_ISFIFO(status.st_mode));
}

QTEST_GUILESS_MAIN(TestCliFaults)
#include "tst_clifaults.moc"
