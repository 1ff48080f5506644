// The painter lays out each cell's text once and draws it again where it
// recurs; what it paints must stay what QPainter::drawText paints in the cell.

#include "report/ReportLayout.h"
#include "report/ReportPainter.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QTest>

namespace {

constexpr int kDotsPerInch = 96;

QImage blankPage()
{
    QImage page(6 * kDotsPerInch, 3 * kDotsPerInch, QImage::Format_ARGB32);
    page.setDotsPerMeterX(qRound(kDotsPerInch / 0.0254));
    page.setDotsPerMeterY(qRound(kDotsPerInch / 0.0254));
    page.fill(Qt::white);
    return page;
}

ReportItem text(double left, double top, const QString &content, ReportFont font, Qt::Alignment alignment,
                QColor colour = Qt::black)
{
    return {ReportItem::Kind::Text, left, top, 1.5, 0, content, font, alignment, colour, {}};
}

} // namespace

class TestReportPainter : public QObject {
    Q_OBJECT

private slots:
    void cellsAsDrawTextPaintsThem();
};

void TestReportPainter::cellsAsDrawTextPaintsThem()
{
    const ReportFont plain{10, false, false};
    const ReportFont heading{14, true, true};
    // Each alignment and style, texts repeated in the same and in another
    // font, and the texts QPainter keeps laying out itself (lines, tabs, none).
    const std::vector<ReportItem> items{
        text(0, 0, QStringLiteral("7.41"), plain, Qt::AlignLeft),
        text(1.5, 0, QStringLiteral("7.41"), plain, Qt::AlignHCenter),
        text(3, 0, QStringLiteral("7.41"), plain, Qt::AlignRight, Qt::darkRed),
        text(0, 0.5, QStringLiteral("ABG Listing"), heading, Qt::AlignHCenter),
        text(1.5, 0.5, QStringLiteral("7.41"), heading, Qt::AlignRight),
        text(3, 0.5, QStringLiteral("Acidose Métabolique Compensée"), plain, Qt::AlignLeft),
        text(0, 1, QStringLiteral("two\nlines"), plain, Qt::AlignHCenter),
        text(1.5, 1, QStringLiteral("a\ttab"), plain, Qt::AlignLeft),
        text(3, 1, QString(), plain, Qt::AlignLeft),
        text(0, 2, QStringLiteral("7.41"), plain, Qt::AlignRight),
        text(4.5, 2, QStringLiteral(" leading blanks"), plain, Qt::AlignRight),
    };
    Report report;
    report.definition.pageSize = QSizeF(6, 3);
    report.definition.region = QRectF(0.1, 0.1, 5.8, 2.8);
    ReportSection section;
    section.header.height = 2.5;
    section.header.items = items;
    report.definition.sections.push_back(section);
    const LaidOutPage page{{{PlacedBand::Kind::Header, 0, -1, 0}}};

    QImage painted = blankPage();
    {
        QPainter painter(&painted);
        paintReportPage(painter, report, page);
    }
    QImage expected = blankPage();
    {
        QPainter painter(&expected);
        for (const ReportItem &item : items) {
            QFont font(report.definition.fontFamily);
            font.setPointSizeF(item.font.points);
            font.setBold(item.font.bold);
            font.setUnderline(item.font.underline);
            painter.setFont(font);
            painter.setPen(item.colour);
            const QRectF cell(kDotsPerInch * (0.1 + item.left), kDotsPerInch * (0.1 + item.top),
                              kDotsPerInch * item.width, QFontMetricsF(font, &expected).height());
            painter.drawText(cell, static_cast<int>(item.alignment | Qt::AlignTop) | Qt::TextDontClip, item.content);
        }
    }
    QCOMPARE(painted, expected);
}

QTEST_MAIN(TestReportPainter)
#include "tst_reportpainter.moc"
