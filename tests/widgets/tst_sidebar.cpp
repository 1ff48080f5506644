#include "tests/support/Palettes.h"
#include "widgets/AccessibleInterfaces.h"
#include "widgets/Contrast.h"
#include "widgets/Hints.h"
#include "widgets/ImageList.h"
#include "widgets/IndexedAction.h"
#include "widgets/SideBar.h"
#include "widgets/SideBarGroup.h"
#include "widgets/StatusHints.h"

#include <QAccessible>
#include <QApplication>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <QToolTip>
#include <QVBoxLayout>

class TestSideBar : public QObject {
    Q_OBJECT

private slots:
    void itemsFollowTheirActions();
    void aChoiceIsCheckedWhereverItsMarker();
    void collapsing();
    void collapsedGroupShrinksAndTheOthersMoveUp();
    void buttonsSpanTheBarAtTheirOwnHeight();
    void readableOnLightAndDarkPalettes_data();
    void readableOnLightAndDarkPalettes();
    void toolTipsOnlyWhereSwitchedOn();
    void hintParts_data();
    void hintParts();
    void statusHintsTakeTheNearestHint();
};

void TestSideBar::itemsFollowTheirActions()
{
    ImageList images(QSize(16, 16));
    QPixmap red(16, 16);
    red.fill(Qt::red);
    images.add(red);

    SideBar bar;
    SideBarGroup *group = bar.addGroup(QStringLiteral("barTest"), QStringLiteral("Test"), QIcon());
    IndexedAction action(QStringLiteral("First"), images, nullptr);
    QToolButton *item = group->addItem(&action, QStringLiteral("itemFirst"));
    QToolButton *hidden = group->addItem(&action, QStringLiteral("itemHidden"), SideBarItem::Kind::Choice, false);
    bar.show();

    QCOMPARE(item->objectName(), QString("itemFirst"));
    QVERIFY(hidden->isHidden());
    action.setText(QStringLiteral("Renamed"));
    QCOMPARE(item->text(), QString("Renamed"));
    action.setImageIndex(0);
    QCOMPARE(item->icon().pixmap(16, 16).toImage().pixelColor(8, 8), QColor(Qt::red));
    action.setImageIndex(-1);
    QCOMPARE(item->icon().pixmap(16, 16).toImage().pixelColor(8, 8).alpha(), 0);

    QSignalSpy triggered(&action, &QAction::triggered);
    QTest::mouseClick(item, Qt::LeftButton);
    QCOMPARE(triggered.count(), 1);
}

void TestSideBar::aChoiceIsCheckedWhereverItsMarker()
{
    installAccessibleInterfaces();
    ImageList images(QSize(16, 16));
    QPixmap red(16, 16);
    red.fill(Qt::red);
    images.add(red);
    SideBarGroup group(QStringLiteral("Group"), QIcon());
    IndexedAction action(QStringLiteral("Page"), images, nullptr);
    QToolButton *item = group.addItem(&action, QStringLiteral("item"));
    QAccessibleInterface *read = QAccessible::queryAccessibleInterface(item);
    QCOMPARE(read->role(), QAccessible::RadioButton);

    action.setImageIndex(0); // the marker alone
    QVERIFY(!read->state().checked);
    action.setChosen(true);
    QVERIFY(read->state().checked);
    action.setImageIndex(-1); // the choice alone
    QVERIFY(read->state().checked);
    action.setChosen(false);
    QVERIFY(!read->state().checked);
}

void TestSideBar::collapsing()
{
    SideBarGroup group(QStringLiteral("Group"), QIcon());
    QAction action(QStringLiteral("Item"));
    QToolButton *item = group.addItem(&action, QStringLiteral("item"));
    group.show();
    QSignalSpy changed(&group, &SideBarGroup::collapsedChanged);

    QTest::mouseClick(group.header(), Qt::LeftButton);
    QVERIFY(group.isCollapsed());
    QVERIFY(!item->isVisible());
    group.setCollapsed(true); // no change, no signal
    QTest::mouseClick(group.header(), Qt::LeftButton);
    QVERIFY(!group.isCollapsed());
    QVERIFY(item->isVisible());
    QCOMPARE(changed.count(), 2);

    // Anywhere on the header's bar, not only on its caption and icon; not below it.
    // The click goes to whatever the user's pointer is over there.
    group.resize(185, 100);
    const auto clickAt = [&group](QPoint at) {
        QWidget *under = group.childAt(at);
        QWidget *target = under ? under : &group;
        QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(&group, at));
    };
    const QPoint rightOfCaption(group.width() - 4, group.header()->geometry().center().y());
    clickAt(rightOfCaption);
    QVERIFY(group.isCollapsed());
    clickAt(rightOfCaption);
    QVERIFY(!group.isCollapsed());
    clickAt(QPoint(group.width() - 4, group.height() - 4));
    QVERIFY(!group.isCollapsed());
}

void TestSideBar::readableOnLightAndDarkPalettes_data()
{
    QTest::addColumn<QPalette>("palette");
    QPalette light(QColor(239, 239, 239), QColor(255, 255, 255));
    light.setColor(QPalette::WindowText, Qt::black);
    light.setColor(QPalette::Text, Qt::black);
    QTest::newRow("light") << light;
    QTest::newRow("dark") << darkPalette();
}

void TestSideBar::readableOnLightAndDarkPalettes()
{
    QFETCH(QPalette, palette);
    const QPalette before = QApplication::palette();
    QApplication::setPalette(palette);
    {
        SideBar bar;
        SideBarGroup *group = bar.addGroup(QStringLiteral("barGroup"), QStringLiteral("Group"), QIcon());
        QAction action(QStringLiteral("Item"));
        QToolButton *item = group->addItem(&action, QStringLiteral("item"));
        bar.resize(185, 200);
        bar.show();
        QImage shown = group->grab().toImage();
        // The caption on the header's background, the item on the items' background.
        const QColor header = shown.pixelColor(group->width() - 3, group->header()->geometry().center().y());
        const QColor items =
            shown.pixelColor(group->width() - 3, item->geometry().center().y() + group->header()->height());
        QVERIFY2(contrastRatio(group->header()->palette().color(QPalette::ButtonText), header) >= kTextContrast,
                 qPrintable(header.name()));
        QVERIFY2(contrastRatio(item->palette().color(QPalette::ButtonText), items) >= kTextContrast,
                 qPrintable(items.name()));
    }
    QApplication::setPalette(before);
}

void TestSideBar::collapsedGroupShrinksAndTheOthersMoveUp()
{
    SideBar bar;
    bar.resize(185, 430);
    SideBarGroup *first = bar.addGroup(QStringLiteral("barFirst"), QStringLiteral("First"), QIcon());
    SideBarGroup *second = bar.addGroup(QStringLiteral("barSecond"), QStringLiteral("Second"), QIcon());
    QAction action(QStringLiteral("Item"));
    first->addItem(&action, QStringLiteral("item"));
    first->setExpandedHeight(203);
    second->setExpandedHeight(83);
    bar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&bar));
    const int secondTop = second->y();

    first->setCollapsed(true);
    QTRY_VERIFY(second->y() < secondTop);
    QCOMPARE(first->height(), first->header()->height());
    QCOMPARE(first->header()->y(), 0); // the header stays at the top of its group
    QCOMPARE(second->height(), 83);

    first->setCollapsed(false);
    QTRY_COMPARE(second->y(), secondTop);
    QCOMPARE(first->height(), 203);
}

// The header and the items are not measured by their captions, yet each is as
// high as a tool button measured with its caption, and wide enough for it.
void TestSideBar::buttonsSpanTheBarAtTheirOwnHeight()
{
    QWidget window;
    window.resize(185, 300);
    auto *layout = new QVBoxLayout(&window);
    layout->setContentsMargins(6, 6, 6, 6);
    QPixmap icon(32, 32);
    icon.fill(Qt::darkBlue);
    auto *group = new SideBarGroup(QStringLiteral("Language"), QIcon(icon), &window);
    QAction action(QStringLiteral("Fran\u00e7ais"));
    QToolButton *item = group->addItem(&action, QStringLiteral("item"));
    layout->addWidget(group);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    for (QToolButton *button : {group->header(), item}) {
        const QSize measured = button->QToolButton::sizeHint();
        QCOMPARE(button->height(), measured.height());
        QVERIFY(button->width() >= measured.width());
    }
    QCOMPARE(group->header()->geometry(), QRect(0, 0, group->width(), group->header()->height()));
    QCOMPARE(item->mapTo(group, QPoint(item->width(), 0)).x(), group->width() - 4); // the items' right margin
    group->setCollapsed(true);
    QCOMPARE(group->height(), group->header()->QToolButton::sizeHint().height());
}

void TestSideBar::toolTipsOnlyWhereSwitchedOn()
{
    SideBarGroup group(QStringLiteral("Group"), QIcon());
    QAction hinted(QStringLiteral("Hinted"));
    setHint(&hinted, QStringLiteral("Go there|http://example.org"));
    QAction plain(QStringLiteral("Plain"));
    QToolButton *hintedItem = group.addItem(&hinted, QStringLiteral("hinted"));
    QToolButton *plainItem = group.addItem(&plain, QStringLiteral("plain"));
    group.show();
    QVERIFY(QTest::qWaitForWindowExposed(&group));

    const auto askForToolTip = [](QWidget *item) {
        QHelpEvent event(QEvent::ToolTip, QPoint(2, 2), item->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(item, &event);
        return QToolTip::isVisible() ? QToolTip::text() : QString();
    };
    QCOMPARE(askForToolTip(hintedItem), QString());
    group.setToolTipsShown(true);
    QCOMPARE(askForToolTip(plainItem), QString()); // no hint, no tooltip: not even its caption
    QCOMPARE(askForToolTip(hintedItem), QString("Go there"));
}

void TestSideBar::hintParts_data()
{
    QTest::addColumn<QString>("hint");
    QTest::addColumn<QString>("shortPart");
    QTest::addColumn<QString>("longPart");

    QTest::newRow("both parts") << "Go to Website|http://example.org"
                                << "Go to Website"
                                << "http://example.org";
    QTest::newRow("long part only") << "|Analyze current ABG"
                                    << ""
                                    << "Analyze current ABG";
    QTest::newRow("no bar: both") << "Clear the current ABGs"
                                  << "Clear the current ABGs"
                                  << "Clear the current ABGs";
    QTest::newRow("empty") << ""
                           << ""
                           << "";
}

void TestSideBar::hintParts()
{
    QFETCH(QString, hint);
    QFETCH(QString, shortPart);
    QFETCH(QString, longPart);
    QCOMPARE(hintShortPart(hint), shortPart);
    QCOMPARE(hintLongPart(hint), longPart);
}

void TestSideBar::statusHintsTakeTheNearestHint()
{
    QWidget window;
    auto *panel = new QWidget(&window);
    auto *inner = new QLabel(QStringLiteral("inner"), panel);
    auto *lonely = new QLabel(QStringLiteral("lonely"), &window);
    auto *line = new QLabel(&window);
    setHint(panel, QStringLiteral("Panel|The panel's long hint"));
    new StatusHints(&window, line);
    window.show();

    QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QApplication::sendEvent(inner, &enter);
    QCOMPARE(line->text(), QString("The panel's long hint"));
    QApplication::sendEvent(lonely, &enter);
    QCOMPARE(line->text(), QString());

    // The keyboard's focus shows the hint as the mouse does; the program's moving it does not.
    auto *field = new QLineEdit(panel);
    auto *other = new QLineEdit(&window);
    field->show();
    other->show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    other->setFocus(Qt::OtherFocusReason);
    QCOMPARE(line->text(), QString());
    field->setFocus(Qt::TabFocusReason);
    QCOMPARE(line->text(), QString("The panel's long hint"));
    other->setFocus(Qt::OtherFocusReason); // a control without a hint: the line stays
    QCOMPARE(line->text(), QString("The panel's long hint"));
}

QTEST_MAIN(TestSideBar)
#include "tst_sidebar.moc"
