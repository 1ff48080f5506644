#include "report/ReportPainter.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>

namespace {

struct Inches {
    double dotsPerInch;
    double operator()(double inches) const { return inches * dotsPerInch; }
};

QFont fontFor(const ReportDefinition &definition, const ReportFont &style)
{
    QFont font(definition.fontFamily);
    font.setPointSizeF(style.points);
    font.setBold(style.bold);
    font.setUnderline(style.underline);
    return font;
}

QString textOf(const ReportItem &item, const Report &report, const DataTable *view, int row)
{
    switch (item.kind) {
    case ReportItem::Kind::Text:
        return item.content;
    case ReportItem::Kind::Field:
        return view ? view->displayText(row, item.content) : QString();
    case ReportItem::Kind::Parameter:
        return report.parameters.value(item.content);
    case ReportItem::Kind::Picture:
    case ReportItem::Kind::Rule:
        break;
    }
    return {};
}

void paintBand(QPainter &painter, const Report &report, const ReportBand &band, QPointF origin, const DataTable *view,
               int row, Inches inch)
{
    for (const ReportItem &item : band.items) {
        const QPointF at(origin.x() + inch(item.left), origin.y() + inch(item.top));
        switch (item.kind) {
        case ReportItem::Kind::Picture:
            painter.drawImage(QRectF(at, QSizeF(inch(item.width), inch(item.height))), item.picture);
            break;
        case ReportItem::Kind::Rule:
            painter.fillRect(QRectF(at, QSizeF(inch(item.width), inch(item.height))), item.colour);
            break;
        default: {
            const QFont font = fontFor(report.definition, item.font);
            painter.setFont(font);
            painter.setPen(item.colour);
            const double lineHeight = QFontMetricsF(font, painter.device()).height();
            painter.drawText(QRectF(at, QSizeF(inch(item.width), lineHeight)),
                             static_cast<int>(item.alignment | Qt::AlignTop) | Qt::TextDontClip,
                             textOf(item, report, view, row));
        }
        }
    }
}

} // namespace

QString reportPageText(const Report &report, const LaidOutPage &page)
{
    QStringList lines;
    for (const PlacedBand &placed : page.bands) {
        const ReportSection &section = report.definition.sections[static_cast<std::size_t>(placed.section)];
        const DataTable *view = report.dataViews.value(section.dataView);
        const ReportBand &band = placed.kind == PlacedBand::Kind::Header ? section.header : section.row;
        QStringList words;
        for (const ReportItem &item : band.items) {
            if (const QString text = textOf(item, report, view, placed.row); !text.isEmpty())
                words << text;
        }
        if (!words.isEmpty())
            lines << words.join(u' ');
    }
    return lines.join(u'\n');
}

void paintReportPage(QPainter &painter, const Report &report, const LaidOutPage &page)
{
    const Inches inch{static_cast<double>(painter.device()->logicalDpiX())};
    const QRectF region = report.definition.region;
    for (const PlacedBand &placed : page.bands) {
        const ReportSection &section = report.definition.sections[static_cast<std::size_t>(placed.section)];
        const DataTable *view = report.dataViews.value(section.dataView);
        const bool header = placed.kind == PlacedBand::Kind::Header;
        const QPointF origin(inch(region.left()), inch(region.top() + placed.top));
        paintBand(painter, report, header ? section.header : section.row, origin, view, placed.row, inch);
    }
}

bool renderReport(QPagedPaintDevice &device, const Report &report, const std::function<bool(int page)> &pageStarted,
                  const std::function<void()> &stopped)
{
    // The orientation stays the device's own: the printer's default, or what the user chose for it.
    device.setPageLayout(QPageLayout(QPageSize(report.definition.pageSize, QPageSize::Inch),
                                     device.pageLayout().orientation(), QMarginsF(0, 0, 0, 0)));
    const std::vector<LaidOutPage> pages = layOutReport(report);
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    painter.setRenderHint(QPainter::Antialiasing);
    for (std::size_t i = 0; i < pages.size(); ++i) {
        if (pageStarted && !pageStarted(static_cast<int>(i) + 1)) {
            if (stopped)
                stopped();
            return false;
        }
        if (i > 0)
            device.newPage();
        paintReportPage(painter, report, pages[i]);
    }
    return painter.end();
}
