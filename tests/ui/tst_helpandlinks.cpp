#include "product/ProductInfo.h"
#include "tests/support/WindowFixture.h"
#include "ui/AboutPage.h"
#include "ui/HelpWindow.h"
#include "widgets/ClickableLabel.h"
#include "widgets/IndexedAction.h"

#include <QAccessible>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QScrollBar>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTextBrowser>

class TestHelpAndLinks : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void helpInEnglishOpensTheBook();
    void helpInFrenchShowsThePage();
    void frenchToEnglishOnTheHelpPage();
    void websiteAndMail();
    void addressesWithoutAProgramToOpenThem();
    void licenseAgreement();
    void aboutPage();
    void helpWindowShowsTheBook();
    void helpWindowSaysWhatIsMissing();
    void helpWindowClosesFromTheKeyboard_data();
    void helpWindowClosesFromTheKeyboard();
    void helpContentsFromTheKeyboard();

private:
    QString currentPage() const { return m_fixture.window->pcABGDetails()->currentWidget()->objectName(); }
    int arrowOf(const char *action) const { return m_fixture.child<IndexedAction>(action)->imageIndex(); }

    ClickableLabel *link(const char *name) const { return m_fixture.onPage<AboutPage, ClickableLabel>(name); }

    WindowFixture m_fixture;
    QStringList &m_opened = m_fixture.desktopOpened;
    QTemporaryDir m_programFolder;
};

void TestHelpAndLinks::init()
{
    QVERIFY(m_fixture.open());
    m_fixture.window->setProgramFolder(m_programFolder.path());
}

void TestHelpAndLinks::cleanup()
{
    m_fixture.forgetSettings();
    QFile::remove(m_programFolder.filePath("License.txt"));
}

void TestHelpAndLinks::helpInEnglishOpensTheBook()
{
    m_fixture.child<QAction>("alBarABGPrint")->trigger();
    m_fixture.child<QAction>("alBarABGHelp")->trigger();
    QCOMPARE(m_opened, QStringList{"help " + m_programFolder.filePath("Help/HALVEX.html")});
    QCOMPARE(currentPage(), QString("tsPrint"));
    QCOMPARE(arrowOf("alBarABGPrint"), 1);
    QCOMPARE(arrowOf("alBarABGHelp"), -1);
}

void TestHelpAndLinks::helpInFrenchShowsThePage()
{
    m_fixture.child<QAction>("alBarFrench")->trigger();
    m_fixture.child<QAction>("alBarABGHelp")->trigger();
    QVERIFY(m_opened.isEmpty());
    QCOMPARE(currentPage(), QString("tsHelp"));
    QCOMPARE(arrowOf("alBarABGHelp"), 1);
    QCOMPARE(m_fixture.child<QLabel>("lblHelp2")->text(),
             QString(" dans le prochain domaine. Appuyez sure le bouton analyse"));
    QCOMPARE(m_fixture.child<QLabel>("lblABGTeacher")->text(), QString("Professeur Arteriel:"));
}

void TestHelpAndLinks::frenchToEnglishOnTheHelpPage()
{
    m_fixture.child<QAction>("alBarFrench")->trigger();
    m_fixture.child<QAction>("alBarABGHelp")->trigger();
    m_fixture.child<QAction>("alBarEnglish")->trigger();
    QCOMPARE(currentPage(), QString("tsHelp"));
    QCOMPARE(m_fixture.child<QLabel>("lblHelpHeader")->text(), QString("Designed for teaching purposes only"));
    const QStringList steps{"lblGenerate", "lblChose", "lblAnalyze", "lblSuccessRate", "lblStats"};
    for (int i = 0; i < steps.size(); ++i)
        QVERIFY(m_fixture.child<QLabel>(steps[i])->text().startsWith(QString::number(i + 1) + ". "));
    m_fixture.child<QAction>("alBarABGHelp")->trigger();
    QCOMPARE(m_opened.size(), 1);
    QVERIFY(m_opened[0].startsWith("help "));
}

void TestHelpAndLinks::websiteAndMail()
{
    m_fixture.child<QAction>("alBarABGWebsite")->trigger();
    QTest::mouseClick(link("lblWebsite"), Qt::LeftButton);
    QTest::mouseClick(link("lblEmailSales"), Qt::LeftButton);
    QTest::mouseClick(link("lblEmailSupport"), Qt::LeftButton);
    // "mailTo:" as written; a URL's scheme knows no case, and Qt writes it in small letters.
    QCOMPARE(m_opened, (QStringList{"url http://" HALVEX_WEBSITE, "url http://" HALVEX_WEBSITE,
                                    "url mailto:" HALVEX_SALES_EMAIL, "url mailto:" HALVEX_SUPPORT_EMAIL}));
    QCOMPARE(currentPage(), QString("tsHelpAbout"));
    QCOMPARE(arrowOf("alBarABGWebsite"), -1);
}

void TestHelpAndLinks::addressesWithoutAProgramToOpenThem()
{
    m_fixture.desktopTakes = false;
    m_fixture.child<QAction>("alBarABGWebsite")->trigger();
    QCOMPARE(m_fixture.boxes.errors, QStringList{"No program of this desktop could open http://" HALVEX_WEBSITE "."});
    m_fixture.child<QAction>("alBarFrench")->trigger();
    QTest::mouseClick(link("lblEmailSupport"), Qt::LeftButton);
    QCOMPARE(m_fixture.boxes.errors.value(1),
             QString::fromUtf8("Aucun programme de ce bureau n'a pu ouvrir mailTo:" HALVEX_SUPPORT_EMAIL "."));
}

void TestHelpAndLinks::licenseAgreement()
{
    QTest::mouseClick(link("lblLicenseAgreement"), Qt::LeftButton);
    QCOMPARE(m_fixture.boxes.errors,
             QStringList{"Unable to locate license file, please re-install Halvex to view license."});
    QVERIFY(m_opened.isEmpty());

    QFile license(m_programFolder.filePath("License.txt"));
    QVERIFY(license.open(QIODevice::WriteOnly));
    license.close();
    QTest::mouseClick(link("lblLicenseAgreement"), Qt::LeftButton);
    QCOMPARE(m_opened, QStringList{"document " + m_programFolder.filePath("License.txt")});
    QCOMPARE(m_fixture.boxes.errors.size(), 1);
}

void TestHelpAndLinks::aboutPage()
{
    m_fixture.window->page<AboutPage>();
    QCOMPARE(m_fixture.child<QLabel>("lblCopyright")->text(), QString("Legal Copyright: " HALVEX_COPYRIGHT));
    QCOMPARE(m_fixture.child<QLabel>("lblFileVersion")->text(), QString("File Version: " HALVEX_FILE_VERSION));
    QVERIFY(QString(HALVEX_COPYRIGHT).size() > 0 && QString(HALVEX_FILE_VERSION).size() > 0);
    QCOMPARE(m_fixture.child<QLabel>("Image1")->pixmap().size(), QSize(302, 149));
    for (const char *name : {"lblWebsite", "lblEmailSales", "lblEmailSupport", "lblLicenseAgreement"}) {
        auto *link = m_fixture.child<ClickableLabel>(name);
        QVERIFY(link->font().underline());
        QCOMPARE(link->font().pixelSize(), 11);
        QCOMPARE(link->palette().color(QPalette::WindowText), QColor(Qt::blue));
        QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);
    }
    QCOMPARE(m_fixture.child<ClickableLabel>("lblWebsite")->text(), QString(HALVEX_WEBSITE)); // without its scheme
}

void TestHelpAndLinks::helpWindowShowsTheBook()
{
    HelpWindow help;
    help.showBook(HALVEX_HELP_BOOK);
    QVERIFY(help.isVisible());
    QVERIFY(help.contents()->count() >= 8);
    QCOMPARE(help.contents()->item(0)->text(), QString("Entering and analysing a blood gas"));
    QVERIFY(help.text()->toPlainText().contains("Designed for teaching purposes only"));
    QCOMPARE(help.text()->verticalScrollBar()->value(), 0); // at its contents
}

void TestHelpAndLinks::helpWindowSaysWhatIsMissing()
{
    HelpWindow help;
    help.showBook(m_programFolder.filePath("Help/HALVEX.html"));
    QVERIFY(help.text()->toPlainText().contains("The help cannot be shown"));
    QVERIFY(help.text()->toPlainText().contains("is missing"));
    QCOMPARE(help.contents()->count(), 0);
}

void TestHelpAndLinks::helpWindowClosesFromTheKeyboard_data()
{
    QTest::addColumn<QKeyCombination>("keys");
    QTest::newRow("Escape") << QKeyCombination(Qt::Key_Escape);
    QTest::newRow("Ctrl+W") << QKeyCombination(Qt::ControlModifier, Qt::Key_W);
}

void TestHelpAndLinks::helpWindowClosesFromTheKeyboard()
{
    QFETCH(QKeyCombination, keys);
    HelpWindow help;
    help.showBook(HALVEX_HELP_BOOK);
    QVERIFY(QTest::qWaitForWindowActive(&help));
    // A window, its parts named, as a screen reader meets them.
    QCOMPARE(QAccessible::queryAccessibleInterface(&help)->role(), QAccessible::Window);
    QCOMPARE(help.contents()->accessibleName(), QString("Contents"));
    QCOMPARE(help.text()->accessibleName(), QString("Help text"));
    help.text()->setFocus();
    QTest::keyClick(help.text(), keys.key(), keys.keyboardModifiers());
    QVERIFY(!help.isVisible());
}

void TestHelpAndLinks::helpContentsFromTheKeyboard()
{
    HelpWindow help;
    help.showBook(HALVEX_HELP_BOOK);
    QVERIFY(QTest::qWaitForWindowActive(&help));
    // The window opens on its contents, at the first section, chosen.
    QListWidget *contents = help.contents();
    QVERIFY(contents->hasFocus());
    QCOMPARE(contents->currentRow(), 0);
    QVERIFY(contents->currentItem()->isSelected());
    // Down and Enter go to the next section; Tab to the text, and back, keeps the section.
    QTest::keyClick(contents, Qt::Key_Down);
    QTest::keyClick(contents, Qt::Key_Return);
    QVERIFY(help.text()->verticalScrollBar()->value() > 0);
    QTest::keyClick(contents, Qt::Key_Tab);
    QVERIFY(help.text()->hasFocus());
    contents->setFocus(Qt::BacktabFocusReason); // the text's own Tab goes from link to link
    QVERIFY(contents->hasFocus());
    QCOMPARE(contents->currentRow(), 1);
    QVERIFY(contents->currentItem()->isSelected());
}

QTEST_MAIN(TestHelpAndLinks)
#include "tst_helpandlinks.moc"
