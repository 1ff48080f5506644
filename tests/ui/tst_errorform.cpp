#include "ui/ErrorForm.h"
#include "ui/QtMessageBoxes.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

class TestErrorForm : public QObject {
    Q_OBJECT

private slots:
    void showsTheMessageModallyAndCloses();
    void reusedForEveryMessage();
    void longSentencesAreNotCutOff();
};

void TestErrorForm::showsTheMessageModallyAndCloses()
{
    TfrmABGError form;
    QCOMPARE(form.windowTitle(), QString("ABG ERROR"));
    QCOMPARE(form.Button1()->text(), QString("&Ok"));
    QCOMPARE(form.size(), QSize(385, 104));
    QVERIFY(form.isHidden());

    bool wasModal = false;
    QString shownText;
    QSize shownIcon;
    QTimer::singleShot(0, &form, [&] {
        wasModal = QApplication::activeModalWidget() == &form;
        shownText = form.Label1()->text();
        shownIcon = form.findChild<QLabel *>(QStringLiteral("Image1"))->pixmap().size();
        QTest::mouseClick(form.Button1(), Qt::LeftButton);
    });
    form.showMessage(QStringLiteral("A normal PaCO2 and HCO3, the pH is acidic?"));
    QVERIFY(wasModal);
    QCOMPARE(shownText, QString("A normal PaCO2 and HCO3, the pH is acidic?"));
    QCOMPARE(shownIcon, QSize(32, 32)); // the warning sign, drawn on the first message
    QVERIFY(form.isHidden());
    QCOMPARE(form.pos(), QPoint(274, 278));
}

void TestErrorForm::reusedForEveryMessage()
{
    TfrmABGError form;
    QtMessageBoxes boxes;
    boxes.setErrorForm(&form);
    for (const QString &message : {QStringLiteral("first?"), QStringLiteral("second?")}) {
        QTimer::singleShot(0, &form, [&] { form.close(); }); // the close box closes it as well
        boxes.showAbgError(message);
        QCOMPARE(form.Label1()->text(), message);
        QVERIFY(form.isHidden());
    }
}

void TestErrorForm::longSentencesAreNotCutOff()
{
    TfrmABGError form;
    const QString sentence = QStringLiteral(
        "Le pH et le PaCO2 sont normal, le HCO3 est est invalid (acidic pour ce pH)? Le pH et le HCO3 sont normal, "
        "le PaCO2 est invalid (alcalose pour ce pH)?");
    QTimer::singleShot(0, &form, [&] { form.accept(); });
    form.showMessage(sentence);
    QVERIFY(form.Label1()->height() >= form.Label1()->heightForWidth(form.Label1()->width()));
    QVERIFY(form.Button1()->geometry().top() >= form.Label1()->geometry().bottom());
}

QTEST_MAIN(TestErrorForm)
#include "tst_errorform.moc"
