// The review of a practice session as a student meets it: answers recorded as
// they are scored, listed newest first, the wrong ones on their own if asked,
// each explained, loaded back without touching teacher mode, saved as CSV; and
// the practice option, off by default and stored only while on.

#include "tests/support/FileSizeLimit.h"
#include "tests/support/WindowFixture.h"
#include "ui/ReviewPage.h"
#include "ui/TeacherPage.h"
#include "widgets/Contrast.h"
#include "widgets/NumericSpinField.h"

#include <QAccessible>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStackedWidget>
#include <QTextEdit>
#include <QTimer>

class TestReviewPage : public QObject {
    Q_OBJECT

private slots:
    void init() { QVERIFY(m_fixture.open(21)); }
    void cleanup() { m_fixture.forgetSettings(); }

    void answersAreRecorded();
    void inFrench();
    void aRowChosenByAScreenReaderIsExplained();
    void loadingBackTouchesNoTeacherState();
    void savedAsCsv();
    void aFullDiskLeavesTheOldFile();
    void practiceOptionIsStoredOnlyWhileOn();

private:
    void generate() { QTest::mouseClick(m_fixture.panel()->btnGenerate(), Qt::LeftButton); }
    void analyze() { QTest::mouseClick(m_fixture.panel()->btnAnalyze(), Qt::LeftButton); }
    void tick(halvex::AbgCategory category)
    {
        QCheckBox *box = m_fixture.answerBox(category);
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
    }
    halvex::AbgCategory generated() const { return m_fixture.teacher().generatedCategory().value(); }
    halvex::AbgCategory other(halvex::AbgCategory category) const
    {
        return category == halvex::AbgCategory::Normal ? halvex::AbgCategory::RA : halvex::AbgCategory::Normal;
    }
    // One right, then one wrong, then the wrong one scored a second time.
    void playARound()
    {
        generate();
        tick(generated());
        analyze();
        generate();
        tick(other(generated()));
        analyze();
        analyze();
    }
    QStringList listed() const
    {
        QStringList rows;
        auto *list = m_fixture.child<QListWidget>("lstAnswers");
        for (int i = 0; i < list->count(); ++i)
            rows << list->item(i)->text();
        return rows;
    }
    void showReview() { m_fixture.child<QAction>("alBarABGReview")->trigger(); }
    // "Save as CSV...", the file dialog answered with this path.
    void saveAs(const QString &path)
    {
        m_fixture.fileDialogAnswer = path;
        QTest::mouseClick(m_fixture.child<QPushButton>("btnSaveReview"), Qt::LeftButton);
    }

    WindowFixture m_fixture;
};

void TestReviewPage::answersAreRecorded()
{
    // No case given yet: a ticked box is neither scored nor recorded.
    tick(halvex::AbgCategory::Normal);
    analyze();
    showReview();
    QVERIFY(listed().isEmpty());

    playARound();
    const QStringList rows = listed();
    QCOMPARE(rows.size(), 3);
    QVERIFY2(rows[0].startsWith("3. Incorrect") && rows[1].startsWith("2. Incorrect")
                 && rows[2].startsWith("1. Correct"),
             qPrintable(rows.join('\n')));
    // Each row with the values it was given for, whole, on its lines.
    const QString ph = m_fixture.panel()->edtPh()->text();
    QVERIFY2(rows[0].contains(QStringLiteral("\npH %1 / PaCO2 ").arg(QString::number(ph.toDouble())))
                 && rows[0].contains(" mmHg / HCO3 "),
             qPrintable(rows[0]));
    auto *list = m_fixture.child<QListWidget>("lstAnswers");
    QVERIFY(list->wordWrap());
    QCOMPARE(list->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    const QColor wrong = list->item(0)->foreground().color();
    QCOMPARE(wrong, readableOn(QColor(255, 0, 0), list->palette().color(QPalette::Base)));
    QVERIFY(contrastRatio(wrong, list->palette().color(QPalette::Base)) >= kTextContrast);

    QTest::mouseClick(m_fixture.child<QCheckBox>("chkWrongOnly"), Qt::LeftButton, {}, QPoint(6, 8));
    QCOMPARE(listed().size(), 2);
    QVERIFY(listed()[0].startsWith("3. Incorrect") && listed()[1].startsWith("2. Incorrect"));
    // The chosen one is explained.
    const QString shown = m_fixture.child<QTextEdit>("txtAnswer")->toPlainText();
    QVERIFY2(shown.startsWith("Incorrect: this is") && shown.contains("Step by step"), qPrintable(shown));
}

void TestReviewPage::inFrench()
{
    playARound();
    m_fixture.child<QAction>("alBarFrench")->trigger();
    showReview();
    QCOMPARE(m_fixture.child<QLabel>("lblReviewTitle")->text(), QString::fromUtf8("Révision"));
    QCOMPARE(m_fixture.child<QAction>("alBarABGReview")->text(), QString::fromUtf8("Révision"));
    QCOMPARE(m_fixture.child<QCheckBox>("chkWrongOnly")->text(), QString("Seulement les erreurs"));
    QVERIFY2(listed()[0].startsWith(QString::fromUtf8("3. Incorrect : c'était « ")), qPrintable(listed()[0]));
    QVERIFY(m_fixture.child<QTextEdit>("txtAnswer")->toPlainText().contains(QString::fromUtf8("Pas à pas")));
}

void TestReviewPage::aRowChosenByAScreenReaderIsExplained()
{
    playARound();
    showReview();
    auto *list = m_fixture.child<QListWidget>("lstAnswers");
    QCOMPARE(list->currentRow(), 0);
    // The row's own accessibility action, as a screen reader chooses a row.
    QAccessibleInterface *row = QAccessible::queryAccessibleInterface(list)->child(2);
    QVERIFY(row && row->actionInterface());
    row->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    QCOMPARE(list->currentRow(), 2);
    QVERIFY(list->item(2)->isSelected());
    const QString shown = m_fixture.child<QTextEdit>("txtAnswer")->toPlainText();
    QVERIFY2(shown.contains(list->item(2)->text().section('\n', 0, 0).section(". ", 1).section(';', 0, 0)),
             qPrintable(shown));
}

void TestReviewPage::loadingBackTouchesNoTeacherState()
{
    generate();
    tick(generated());
    const QString ph = m_fixture.panel()->edtPh()->text();
    analyze();
    generate(); // awaiting analysis again, with another sample in the fields
    const auto &teacher = m_fixture.teacher();
    const int count = teacher.generatedCount();
    const auto category = teacher.generatedCategory();
    showReview();
    QTest::mouseClick(m_fixture.child<QPushButton>("btnLoadAnswer"), Qt::LeftButton);
    QCOMPARE(m_fixture.panel()->edtPh()->text(), ph);
    QCOMPARE(teacher.generatedCount(), count);
    QCOMPARE(teacher.generatedCategory(), category);
    QVERIFY(teacher.awaitingAnalysis());
    QCOMPARE(m_fixture.teacher().correctCount(), 1); // nothing scored
    QVERIFY(m_fixture.panel()->btnAnalyze()->hasFocus());
}

void TestReviewPage::savedAsCsv()
{
    playARound();
    showReview();
    QTemporaryDir dir;
    const QString path = dir.filePath("session.csv");
    saveAs(path);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = file.readAll().split('\n');
    QCOMPARE(lines[0], QByteArray("variant,category_code,category,pH,PaCO2,PaO2,HCO3,FiO2,Age,answered_code,answered,"
                                  "correct\r"));
    QCOMPARE(lines.size(), 5); // three answers and the last line's end
    QVERIFY(lines[1].endsWith(",yes\r") && lines[2].endsWith(",no\r") && lines[3].endsWith(",no\r"));
    QCOMPARE(m_fixture.boxes.errors, QStringList{});

    QCOMPARE(m_fixture.fileDialogsAsked, QStringList{"Save the session as CSV"});
    QCOMPARE(m_fixture.boxes.informations,
             QStringList{"The whole session was saved in " + QDir::toNativeSeparators(path) + "."});

    // Cancelled: nothing is written, nothing said.
    saveAs(QString());
    QCOMPARE(m_fixture.boxes.count(), 1);

    // A save that cannot be written says so and leaves nothing.
    const QString nowhere = dir.filePath("session.csv/inside.csv");
    saveAs(nowhere);
    QCOMPARE(m_fixture.boxes.errors.size(), 1);
    QVERIFY2(m_fixture.boxes.errors[0].startsWith("Cannot write " + QDir::toNativeSeparators(nowhere)),
             qPrintable(m_fixture.boxes.errors[0]));
}

void TestReviewPage::aFullDiskLeavesTheOldFile()
{
    playARound();
    showReview();
    QTemporaryDir dir;
    const QString path = dir.filePath("session.csv");
    {
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("the old session\n");
    }
    {
        // The disk "fills" after 40 bytes: a write beyond fails, as on a full disk.
        const FileSizeLimit limit(40);
        saveAs(path);
    }
    QCOMPARE(m_fixture.boxes.errors.size(), 1);
    QVERIFY2(
        m_fixture.boxes.errors[0].startsWith("Cannot write " + QDir::toNativeSeparators(path) + ": File too large"),
        qPrintable(m_fixture.boxes.errors[0]));
    QVERIFY(m_fixture.boxes.informations.isEmpty());
    QFile old(path);
    QVERIFY(old.open(QIODevice::ReadOnly));
    QCOMPARE(old.readAll(), QByteArray("the old session\n"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"session.csv"}); // no temporary file left
}

void TestReviewPage::practiceOptionIsStoredOnlyWhileOn()
{
    const auto stored = [] { return WindowFixture::stored("AppSettings/PracticeWeak"); };
    auto *option = (m_fixture.onPage<TeacherPage, QCheckBox>("chkPracticeWeak"));
    QVERIFY(!option->isChecked());
    QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(6, option->height() / 2));
    m_fixture.window->close();
    QCOMPARE(stored().toInt(), 1);

    m_fixture.close();
    QVERIFY(m_fixture.open(21));
    option = (m_fixture.onPage<TeacherPage, QCheckBox>("chkPracticeWeak"));
    QVERIFY(option->isChecked());
    // Generate still makes a sample of a category, scored as ever; the Review page says what is favoured.
    showReview();
    auto *focus = m_fixture.child<QLabel>("lblPracticeFocus");
    QTRY_VERIFY(focus->isVisible()); // the page just built is shown once the events are handled
    QCOMPARE(focus->text(), QString("Practising weak categories: new cases favour the 15 categories not met yet ×2; "
                                    "the others count once."));
    generate();
    const halvex::AbgCategory first = generated();
    tick(other(first));
    analyze();
    QVERIFY2(focus->text().startsWith(QStringLiteral("Practising weak categories: new cases favour %1 ×2 and the 14 "
                                                     "categories not met yet ×2")
                                          .arg(QString::fromUtf8(halvex::categoryInfo(first).englishName.data()))),
             qPrintable(focus->text()));
    m_fixture.child<QAction>("alBarFrench")->trigger();
    QVERIFY2(focus->text().startsWith(QString::fromUtf8("Exercice sur les catégories faibles : les nouveaux cas "
                                                        "privilégient ")),
             qPrintable(focus->text()));
    QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(6, option->height() / 2));
    m_fixture.window->close();
    QVERIFY(!stored().isValid()); // deleted, as back to off
}

QTEST_MAIN(TestReviewPage)
#include "tst_reviewpage.moc"
