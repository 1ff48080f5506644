// The readable style over the desktop's: focus frames that stand out at 3:1
// and disabled text at 4.5:1, on a light palette and on a dark one; a framed
// scroll area (the print preview's page view) shows when it has the focus.

#include "tests/support/Palettes.h"
#include "widgets/Contrast.h"
#include "widgets/ReadableStyle.h"

#include <QApplication>
#include <QCheckBox>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QImage>
#include <QStyleOptionButton>
#include <QTest>
#include <QToolButton>

namespace {

// The strongest contrast any pixel of the rectangle's edge has with the background.
double edgeContrast(const QImage &image, const QRect &edge, const QColor &background)
{
    double best = 1;
    for (int x = edge.left(); x <= edge.right(); ++x) {
        for (const int y : {edge.top(), edge.bottom()})
            best = std::max(best, contrastRatio(image.pixelColor(x, y), background));
    }
    return best;
}

} // namespace

class TestReadableStyle : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { useReadableStyle(); }
    void palettes_data();
    void disabledTextReads();
    void focusFramesStandOut();
    void focusFramesStandOut_data() { palettes_data(); }
    void disabledTextReads_data() { palettes_data(); }
    void aFocusedPageViewIsFramed();
    void aFocusedPageViewIsFramed_data() { palettes_data(); }
};

void TestReadableStyle::palettes_data()
{
    QTest::addColumn<bool>("dark");
    QTest::newRow("light") << false;
    QTest::newRow("dark") << true;
}

void TestReadableStyle::disabledTextReads()
{
    QFETCH(bool, dark);
    QPalette palette = dark ? darkPalette() : QApplication::style()->standardPalette();
    QApplication::style()->polish(palette);
    const std::pair<QPalette::ColorRole, QPalette::ColorRole> pairs[] = {
        {QPalette::ButtonText, QPalette::Button},
        {QPalette::WindowText, QPalette::Window},
        {QPalette::Text, QPalette::Base},
    };
    for (const auto &[text, background] : pairs)
        QVERIFY(contrastRatio(palette.color(QPalette::Disabled, text), palette.color(QPalette::Disabled, background))
                >= kTextContrast);
}

void TestReadableStyle::focusFramesStandOut()
{
    QFETCH(bool, dark);
    QWidget window;
    if (dark)
        window.setPalette(darkPalette());
    auto *box = new QCheckBox(QStringLiteral("Normal Acid/Base balance"), &window);
    auto *button = new QToolButton(&window);
    button->setText(QStringLiteral("Units"));
    button->setAutoRaise(true);
    button->move(0, 40);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    for (QWidget *control : std::initializer_list<QWidget *>{box, button}) {
        control->setFocus();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTRY_VERIFY(control->hasFocus());
        const QImage image = control->grab().toImage();
        const QColor background = control->palette().color(control->backgroundRole());
        QRect frame = control->rect().adjusted(1, 1, -2, -2);
        if (control == box) {
            QStyleOptionButton option;
            option.initFrom(box);
            option.text = box->text();
            frame = box->style()->subElementRect(QStyle::SE_CheckBoxFocusRect, &option, box);
        }
        QVERIFY2(edgeContrast(image, frame, background) >= kGraphicContrast, control->metaObject()->className());
    }
}

void TestReadableStyle::aFocusedPageViewIsFramed()
{
    QFETCH(bool, dark);
    QWidget window;
    if (dark)
        window.setPalette(darkPalette());
    auto *other = new QToolButton(&window);
    QGraphicsScene pages;
    pages.setBackgroundBrush(Qt::gray);
    auto *view = new QGraphicsView(&pages, &window);
    view->setGeometry(0, 40, 200, 150);
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    const QRect edge = view->rect().adjusted(0, 0, -1, -1);
    const QColor background = view->palette().color(view->backgroundRole());

    other->setFocus();
    QTRY_VERIFY(other->hasFocus());
    const QImage unfocused = view->grab().toImage();
    view->setFocus();
    QTRY_VERIFY(view->hasFocus());
    const QImage focused = view->grab().toImage();
    // Seen to change, and standing out as any focus frame does.
    QVERIFY(focused.copy(edge.left(), edge.top(), edge.width(), 1)
            != unfocused.copy(edge.left(), edge.top(), edge.width(), 1));
    QVERIFY(edgeContrast(focused, edge, background) >= kGraphicContrast);
}

QTEST_MAIN(TestReadableStyle)
#include "tst_readablestyle.moc"
