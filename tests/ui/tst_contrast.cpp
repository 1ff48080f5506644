// The window's colours as a reader meets them on a light desktop, a dark one
// and Fusion's own, measured in the pixels drawn: the review's rows, chosen or
// not, in a window in front or behind; the teacher's count; disabled buttons;
// the help book's title and headings; and the pH field's digits, whole beside
// its buttons however wide the desktop's style makes them.

#include "tests/support/Palettes.h"
#include "tests/support/ScreenContrast.h"
#include "tests/support/WindowFixture.h"
#include "ui/HelpWindow.h"
#include "widgets/NumericSpinField.h"

#include <QAbstractTextDocumentLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProxyStyle>
#include <QStyleOptionSpinBox>
#include <QTextBlock>
#include <QTextBrowser>

namespace {

// A desktop style that sets a spin box's two buttons side by side, each as
// wide as a finger, as GTK-like styles do.
class WideSpinButtons : public QProxyStyle {
public:
    WideSpinButtons() : QProxyStyle(QStringLiteral("Fusion")) {}

    QRect subControlRect(ComplexControl control, const QStyleOptionComplex *option, SubControl part,
                         const QWidget *widget) const override
    {
        if (control != CC_SpinBox)
            return QProxyStyle::subControlRect(control, option, part, widget);
        const QRect box = option->rect;
        switch (part) {
        case SC_SpinBoxUp:
            return QRect(box.right() - kButton + 1, box.top(), kButton, box.height());
        case SC_SpinBoxDown:
            return QRect(box.right() - 2 * kButton + 1, box.top(), kButton, box.height());
        case SC_SpinBoxEditField:
            return QRect(box.left() + kFrame, box.top() + kFrame, box.width() - 2 * kButton - 2 * kFrame,
                         box.height() - 2 * kFrame);
        default:
            return box;
        }
    }

    QSize sizeFromContents(ContentsType type, const QStyleOption *option, const QSize &contents,
                           const QWidget *widget) const override
    {
        if (type != CT_SpinBox)
            return QProxyStyle::sizeFromContents(type, option, contents, widget);
        return QSize(contents.width() + 2 * kButton + 2 * kFrame, contents.height() + 2 * kFrame);
    }

private:
    static constexpr int kButton = 24;
    static constexpr int kFrame = 2;
};

// The columns of the image where something stands out from the background at
// 2:1 or more: the text's ink, and the cursor beside it.
std::pair<int, int> inkColumns(const QImage &image)
{
    const QRect all = image.rect();
    const QColor background = backgroundOf(image, all);
    int first = image.width();
    int last = -1;
    for (int x = 0; x < image.width(); ++x) {
        for (int y = 0; y < image.height(); ++y) {
            if (contrastRatio(image.pixelColor(x, y), background) >= 2) {
                first = std::min(first, x);
                last = x;
                break;
            }
        }
    }
    return {first, last};
}

} // namespace

class TestContrast : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { m_desktop = QApplication::palette(); }
    void cleanup();

    void reviewRowsRead_data() { addPaletteRows(); }
    void reviewRowsRead();
    void theCountReads_data() { addPaletteRows(); }
    void theCountReads();
    void disabledTextReads_data() { addPaletteRows(); }
    void disabledTextReads();
    void helpBookReads_data() { addPaletteRows(); }
    void helpBookReads();
    void phDigitsWhole_data();
    void phDigitsWhole();

private:
    // The desktop's palette, then the window shown on it.
    void openOn(const QPalette &palette)
    {
        QApplication::setPalette(palette);
        QVERIFY(m_fixture.open());
    }

    QPalette m_desktop;
    WindowFixture m_fixture;
};

void TestContrast::cleanup()
{
    m_fixture.forgetSettings();
    QApplication::setPalette(m_desktop);
    // Back to the desktop's style, which the next window puts the readable style over.
    QApplication::setStyle(QStringLiteral("Fusion"));
}

void TestContrast::reviewRowsRead()
{
    QFETCH(QPalette, palette);
    openOn(palette);
    // Right, wrong, right: listed newest first, the newest chosen.
    for (const bool right : {true, false, true}) {
        m_fixture.generate();
        const halvex::AbgCategory drawn = m_fixture.generated();
        m_fixture.tick(right                                  ? drawn
                       : drawn == halvex::AbgCategory::Normal ? halvex::AbgCategory::RA
                                                              : halvex::AbgCategory::Normal);
        m_fixture.analyze();
    }
    m_fixture.trigger("alBarABGReview");
    auto *list = m_fixture.child<QListWidget>("lstAnswers");
    QTRY_COMPARE(list->count(), 3);
    QCOMPARE(list->currentRow(), 0);
    const char *rows[] = {"the chosen row", "a wrong row", "a plain row"};

    const auto measure = [&](const char *where) {
        const QImage shown = list->viewport()->grab().toImage();
        for (int row = 0; row < list->count(); ++row) {
            const QRect area = list->visualItemRect(list->item(row)).adjusted(2, 2, -2, -2);
            qDebug() << "DEBUG" << where << row << contrastFigure(shown, area)
                     << list->palette().color(QPalette::Inactive, QPalette::Text) << list->isActiveWindow();
            QVERIFY2(strongestContrast(shown, area) >= kTextContrast,
                     QByteArray(rows[row]) + " " + where + ": " + contrastFigure(shown, area));
        }
    };
    measure("in the window in front");

    // Another window in front: the review is read in the desktop's colours for a window behind.
    HelpWindow help(m_fixture.window.get());
    help.showBook(QStringLiteral(HALVEX_HELP_BOOK));
    QVERIFY(QTest::qWaitForWindowActive(&help));
    QTRY_VERIFY(!m_fixture.window->isActiveWindow());
    measure("in the window behind");
}

void TestContrast::theCountReads()
{
    QFETCH(QPalette, palette);
    openOn(palette);
    m_fixture.trigger("alBarABGTeacher");
    m_fixture.generate();
    auto *count = m_fixture.child<QLabel>("lblGenerated");
    QCOMPARE(count->text(), QString("1"));
    const QImage shown = count->grab().toImage();
    QVERIFY2(strongestContrast(shown, shown.rect()) >= kTextContrast, contrastFigure(shown, shown.rect()));
}

void TestContrast::disabledTextReads()
{
    QFETCH(QPalette, palette);
    openOn(palette);
    m_fixture.trigger("alBarABGReview");
    // No answer yet: nothing to load, nothing to save.
    for (const char *name : {"btnLoadAnswer", "btnSaveReview"}) {
        auto *button = m_fixture.child<QPushButton>(QString::fromLatin1(name));
        QVERIFY(!button->isEnabled());
        const QImage shown = button->grab().toImage();
        // Inside the button's frame: its face and its caption.
        const QRect face = shown.rect().adjusted(4, 4, -4, -4);
        QVERIFY2(strongestContrast(shown, face) >= kTextContrast,
                 QByteArray(name) + ": " + contrastFigure(shown, face));
    }
}

void TestContrast::helpBookReads()
{
    QFETCH(QPalette, palette);
    QApplication::setPalette(palette);
    HelpWindow help;
    help.showBook(QStringLiteral(HALVEX_HELP_BOOK));
    QVERIFY(QTest::qWaitForWindowExposed(&help));
    QTextBrowser *text = help.text();
    const QImage shown = text->viewport()->grab().toImage();
    const QAbstractTextDocumentLayout *layout = text->document()->documentLayout();
    // The title, the warning under it and the first heading, at the top of the book as it opens.
    for (const QString &start : {QStringLiteral("Halvex Help"), QStringLiteral("Designed for teaching purposes only"),
                                 QStringLiteral("Entering and analysing a blood gas")}) {
        QTextBlock block = text->document()->begin();
        while (block.isValid() && !block.text().startsWith(start))
            block = block.next();
        QVERIFY2(block.isValid(), qPrintable(start));
        const QRect area = layout->blockBoundingRect(block).toRect().intersected(shown.rect());
        QVERIFY2(!area.isEmpty(), qPrintable(start));
        QVERIFY2(strongestContrast(shown, area) >= kTextContrast,
                 qPrintable(start + ": " + contrastFigure(shown, area)));
    }
}

void TestContrast::phDigitsWhole_data()
{
    QTest::addColumn<QPalette>("palette");
    QTest::addColumn<bool>("wideButtons");
    QTest::newRow("light") << lightPalette() << false;
    QTest::newRow("dark") << darkPalette() << false;
    QTest::newRow("Fusion") << fusionPalette() << false;
    QTest::newRow("dark, wide spin buttons") << darkPalette() << true;
}

void TestContrast::phDigitsWhole()
{
    QFETCH(QPalette, palette);
    QFETCH(bool, wideButtons);
    if (wideButtons)
        QApplication::setStyle(new WideSpinButtons);
    openOn(palette);
    NumericSpinField *ph = m_fixture.panel()->edtPh();
    // As long a pH as the field takes, typed as a user types it.
    const QString typed = QStringLiteral("735000");
    auto *edit = ph->findChild<QLineEdit *>();
    QTest::mouseClick(ph, Qt::LeftButton);
    edit->selectAll();
    QTest::keyClicks(ph, typed);
    QCOMPARE(ph->text(), typed);
    const QImage shown = edit->grab().toImage();
    const auto [first, last] = inkColumns(shown);
    const int width = QFontMetrics(edit->font()).horizontalAdvance(typed);
    // As designed where the style leaves room enough; its unit beside it, never under it.
    if (!wideButtons)
        QCOMPARE(ph->width(), 64);
    QVERIFY(m_fixture.child<QLabel>("lblPhUnit")->x() > ph->geometry().right());
    // Whole, first digit to last, with room on both sides: neither scrolled nor cut.
    QVERIFY2(first > 0 && last < shown.width() - 1 && last - first + 1 >= width - 2,
             qPrintable(QStringLiteral("ink from %1 to %2 of %3 for a text %4 wide")
                            .arg(first)
                            .arg(last)
                            .arg(shown.width())
                            .arg(width)));
}

QTEST_MAIN(TestContrast)
#include "tst_contrast.moc"
