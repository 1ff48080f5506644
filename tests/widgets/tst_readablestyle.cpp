// The readable style over the desktop's: focus frames that stand out at 3:1,
// and text at 4.5:1 in every state of a window (disabled, behind another,
// chosen), links included, on a light palette, a dark one and Fusion's; a
// framed scroll area (a list, a text, the print preview's page view) shows
// when it has the focus.

#include "tests/support/EdgeContrast.h"
#include "tests/support/Palettes.h"
#include "widgets/Contrast.h"
#include "widgets/ReadableStyle.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QCheckBox>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QImage>
#include <QListWidget>
#include <QStyleOptionButton>
#include <QTest>
#include <QTextEdit>
#include <QToolButton>

class TestReadableStyle : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { useReadableStyle(); }
    void disabledTextReads();
    void windowBehindSelectionAndLinksRead();
    void focusFramesStandOut();
    void focusFramesStandOut_data() { addPaletteRows(); }
    void disabledTextReads_data() { addPaletteRows(); }
    void windowBehindSelectionAndLinksRead_data() { addPaletteRows(); }
    void aFocusedPageViewIsFramed();
    void aFocusedPageViewIsFramed_data() { addPaletteRows(); }
};

void TestReadableStyle::disabledTextReads()
{
    QFETCH(QPalette, palette);
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

void TestReadableStyle::windowBehindSelectionAndLinksRead()
{
    QFETCH(QPalette, palette);
    // The desktop's palette as it reaches the application, through the style.
    QApplication::style()->polish(palette);
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        const std::pair<QPalette::ColorRole, QPalette::ColorRole> pairs[] = {
            {QPalette::WindowText, QPalette::Window},         {QPalette::Text, QPalette::Base},
            {QPalette::ButtonText, QPalette::Button},         {QPalette::Link, QPalette::Base},
            {QPalette::HighlightedText, QPalette::Highlight},
        };
        for (const auto &[text, background] : pairs)
            QVERIFY2(contrastRatio(palette.color(group, text), palette.color(group, background)) >= kTextContrast,
                     qPrintable(QStringLiteral("%1 on %2 in group %3")
                                    .arg(palette.color(group, text).name(), palette.color(group, background).name())
                                    .arg(group)));
    }
}

void TestReadableStyle::focusFramesStandOut()
{
    QFETCH(QPalette, palette);
    QWidget window;
    window.setPalette(palette);
    auto *box = new QCheckBox(QStringLiteral("Normal Acid/Base balance"), &window);
    auto *button = new QToolButton(&window);
    button->setText(QStringLiteral("Units"));
    button->setAutoRaise(true);
    button->move(0, 40);
    // Framed scrolling areas, a text read and a list, on a frame of their own.
    auto *text = new QTextEdit(QStringLiteral("The pH is acidic."), &window);
    text->setReadOnly(true);
    text->setGeometry(0, 80, 200, 60);
    auto *list = new QListWidget(&window);
    list->addItems({QStringLiteral("1. Correct"), QStringLiteral("2. Incorrect")});
    list->setGeometry(0, 150, 200, 60);
    window.resize(240, 220);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    for (QWidget *control : std::initializer_list<QWidget *>{box, button, text, list}) {
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
        if (const auto *area = qobject_cast<QAbstractScrollArea *>(control)) {
            // On the area's edge, standing out from what surrounds it and from what it holds.
            const QColor inside = area->viewport()->palette().color(area->viewport()->backgroundRole());
            for (const QColor &against : {window.palette().color(QPalette::Window), inside})
                QVERIFY2(edgeContrast(image, control->rect(), against) >= kGraphicContrast,
                         control->metaObject()->className());
            continue;
        }
        QVERIFY2(edgeContrast(image, frame, background) >= kGraphicContrast, control->metaObject()->className());
    }
}

void TestReadableStyle::aFocusedPageViewIsFramed()
{
    QFETCH(QPalette, palette);
    QWidget window;
    window.setPalette(palette);
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
