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

#include <csignal>

#include <sys/stat.h>

class TestCliFaults : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void faults_data();
    void faults();
    void pipeTargetIsKept();
    void aClosedPipeEndsTheProgramAsUnixToolsDo();
    void aFullDiskKeepsTheOldSheet();

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
    QTest::newRow("assess into a full disk")
        << R"("$CLI" assess "$DIR/good.csv" > /dev/full)" << none << 2 << "halvex-cli: cannot write the output\n";
    QTest::newRow("generate into a full disk")
        << R"("$CLI" generate --count 100000 > /dev/full)" << none << 2 << "halvex-cli: cannot write the output\n";
    QTest::newRow("help into a full disk")
        << R"("$CLI" --help > /dev/full)" << none << 2 << "halvex-cli: cannot write the output\n";
    QTest::newRow("command help into a full disk")
        << R"("$CLI" generate --help > /dev/full)" << none << 2 << "halvex-cli: cannot write the output\n";
    QTest::newRow("generate with the output closed")
        << R"("$CLI" generate >&-)" << none << 2 << "halvex-cli: cannot write the output\n";
    QTest::newRow("version with the output closed")
        << R"("$CLI" --version >&-)" << none << 2 << "halvex-cli: cannot write the output\n";
    QTest::newRow("input a folder")
        << R"("$CLI" assess < "$DIR")" << none << 2
        << "halvex-cli: error while reading standard input; the rows before it were written\n";
    QTest::newRow("input closed")
        << R"("$CLI" assess <&-)" << none << 2
        << "halvex-cli: error while reading standard input; the rows before it were written\n";
    QTest::newRow("a file that is a folder") << R"("$CLI" assess "$DIR")" << none << 2 << "it is a directory";
    QTest::newRow("a file that is not there")
        << R"("$CLI" assess "$DIR/missing.csv")" << none << 2 << "No such file or directory";
    if (QFileInfo::exists("/proc/self/mem"))
        QTest::newRow("a file that cannot be read")
            << R"("$CLI" assess /proc/self/mem)" << none << 2 << "error while reading /proc/self/mem";
    QTest::newRow("a sheet where no folder is")
        << R"("$CLI" sheet --count 2 --out "$DIR/plain/sheet.pdf")" << none << 2 << "cannot write";
    QTest::newRow("a file name that is not UTF-8")
        << "\"$CLI\" assess \"$DIR/caf$(printf '\\351').csv\" > /dev/null" << none << 0 << "";
    // The disk "fills" past 20,000 bytes: the sheet written before stays, whole, and no temporary file is left.
    QTest::newRow("a sheet over an old one on a full disk")
        << R"sh("$CLI" sheet --count 2 --out "$DIR/old.pdf" --seed 1 && cp "$DIR/old.pdf" "$DIR/kept.pdf" &&
              (trap '' XFSZ; prlimit --fsize=20000 "$CLI" sheet --count 60 --out "$DIR/old.pdf"); status=$?;
              cmp -s "$DIR/old.pdf" "$DIR/kept.pdf" && [ "$(ls "$DIR" | grep -c '^old\.pdf.')" = 0 ] || exit 9;
              exit $status)sh"
        << none << 2 << "cannot write " + m_dir.filePath("old.pdf") + ": File too large";
    QTest::newRow("Qt's platform arguments are left aside")
        << R"("$CLI" sheet --count 2 --out "$DIR/sheet.pdf" -platform xcb -platformtheme gtk3)"
        << QStringList{"DISPLAY="} << 0 << "";
    QTest::newRow("a sheet with no display")
        << R"("$CLI" sheet --count 2 --out "$DIR/sheet.pdf")"
        << QStringList{"QT_QPA_PLATFORM=xcb", "DISPLAY=", "XDG_RUNTIME_DIR="} << 0 << "";
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

void TestCliFaults::aClosedPipeEndsTheProgramAsUnixToolsDo()
{
    // As most Unix tools: a reader that goes away ends the program by SIGPIPE (status 141 in the shell).
    const Ran ran = runShell(R"(bash -c 'set -o pipefail; "$CLI" generate --count 1000000 | head -c 10 > /dev/null')");
    QCOMPARE(ran.status, 128 + SIGPIPE);
    QCOMPARE(QString::fromUtf8(ran.errors), QString());
}

void TestCliFaults::aFullDiskKeepsTheOldSheet()
{
    // A real file system that fills, where one can be mounted (as root, as in CI).
    const QString disk = m_dir.filePath("disk");
    QDir().mkpath(disk);
    if (QProcess::execute("mount", {"-t", "tmpfs", "-o", "size=40k", "tmpfs", disk}) != 0)
        QSKIP("no small file system can be mounted here");
    const Ran ran =
        runShell(R"sh(cd "$DIR/disk" && "$CLI" sheet --count 3 --out a.pdf --seed 1 && cp a.pdf ../kept-a.pdf &&
                               "$CLI" sheet --count 40 --out a.pdf --seed 2; status=$?;
                               cmp -s a.pdf ../kept-a.pdf && [ "$(ls)" = a.pdf ] || exit 9; exit $status)sh");
    QProcess::execute("umount", {disk});
    QCOMPARE(ran.status, 2);
    QVERIFY2(ran.errors.contains("cannot write a.pdf: No space left on device"), ran.errors.constData());
}

QTEST_GUILESS_MAIN(TestCliFaults)
#include "tst_clifaults.moc"
