#include "widgets/CylinderGauge.h"
#include "widgets/HoverBoldLabel.h"

#include <QSignalSpy>
#include <QTest>

class TestGaugeAndLabel : public QObject {
    Q_OBJECT

private slots:
    void gaugeClamps_data();
    void gaugeClamps();
    void gaugePaints();
    void labelBoldUnderThePointer();
};

void TestGaugeAndLabel::gaugeClamps_data()
{
    QTest::addColumn<int>("set");
    QTest::addColumn<int>("shown");
    QTest::newRow("inside") << 38 << 38;
    QTest::newRow("above") << 200 << 100;
    QTest::newRow("below") << -5 << 0;
}

void TestGaugeAndLabel::gaugeClamps()
{
    QFETCH(int, set);
    QFETCH(int, shown);
    CylinderGauge gauge;
    QCOMPARE(gauge.value(), 0);
    gauge.setValue(set);
    QCOMPARE(gauge.value(), shown);
    QCOMPARE(gauge.text(), QStringLiteral("%1%").arg(shown));
}

void TestGaugeAndLabel::gaugePaints()
{
    CylinderGauge gauge;
    gauge.resize(200, 24);
    gauge.setValue(50);
    const QImage image = gauge.grab().toImage();
    // Filled on the left, empty glass on the right.
    const QColor left = image.pixelColor(40, 12);
    const QColor right = image.pixelColor(160, 12);
    QVERIFY2(left.green() > left.red(), qPrintable(left.name()));
    QVERIFY2(qAbs(right.red() - right.green()) < 30, qPrintable(right.name()));
}

void TestGaugeAndLabel::labelBoldUnderThePointer()
{
    HoverBoldLabel label;
    label.setText(QStringLiteral("Normal Acid/Base balance"));
    label.show();
    QSignalSpy clicked(&label, &HoverBoldLabel::clicked);

    QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QApplication::sendEvent(&label, &enter);
    QVERIFY(label.isBold());
    QTest::mouseClick(&label, Qt::LeftButton);
    QCOMPARE(clicked.count(), 1);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&label, &leave);
    QVERIFY(!label.isBold());
    QCOMPARE(label.cursor().shape(), Qt::PointingHandCursor);
}

QTEST_MAIN(TestGaugeAndLabel)
#include "tst_gaugeandlabel.moc"
