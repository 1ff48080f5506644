#include "ui/QtMessageBoxes.h"

#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

struct SeenBox {
    QString caption;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
};

class TestQtMessageBoxes : public QObject {
    Q_OBJECT

private slots:
    void boxes();
};

void TestQtMessageBoxes::boxes()
{
    QtMessageBoxes boxes;
    SeenBox seen;
    const auto capture = [&seen](QMessageBox::StandardButton answer) {
        QTimer::singleShot(0, [&seen, answer] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            QVERIFY(box);
            seen = {box->windowTitle(), box->text(), box->icon(), box->standardButtons()};
            box->button(answer)->click();
        });
    };

    capture(QMessageBox::Ok);
    boxes.error(QStringLiteral("One or more fields are Empty!"));
    QCOMPARE(seen.caption, QString("Error"));
    QCOMPARE(seen.text, QString("One or more fields are Empty!"));
    QCOMPARE(seen.icon, QMessageBox::Critical);
    QCOMPARE(seen.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));

    capture(QMessageBox::Ok);
    boxes.information(QStringLiteral("O2(%) is out of range!  Range: 21 to 100 %"));
    QCOMPARE(seen.caption, QString("Information"));
    QCOMPARE(seen.icon, QMessageBox::Information);

    capture(QMessageBox::No);
    QVERIFY(!boxes.confirm(QStringLiteral("Sure?")));
    QCOMPARE(seen.buttons, QMessageBox::Yes | QMessageBox::No);
    capture(QMessageBox::Yes);
    QVERIFY(boxes.confirm(QStringLiteral("Sure?")));
}

QTEST_MAIN(TestQtMessageBoxes)
#include "tst_qtmessageboxes.moc"
