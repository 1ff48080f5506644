#include "report/ReportPainter.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>
#include <iterator>
#include <vector>

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

// The fonts of a page and their line heights, each made once, and the one the
// painter holds: a page of cells uses a handful of styles.
class PageFonts {
public:
    PageFonts(QPainter &painter, const ReportDefinition &definition) : m_painter(painter), m_definition(definition) {}

    // Sets the style's font on the painter, if it is not the one set; its line height.
    double use(const ReportFont &style)
    {
        const auto same = [&](const Made &made) {
            return made.style.points == style.points && made.style.bold == style.bold
                   && made.style.underline == style.underline;
        };
        auto found = std::find_if(m_made.begin(), m_made.end(), same);
        if (found == m_made.end()) {
            const QFont font = fontFor(m_definition, style);
            m_made.push_back({style, font, QFontMetricsF(font, m_painter.device()).height()});
            found = std::prev(m_made.end());
        }
        const auto index = static_cast<std::size_t>(found - m_made.begin());
        if (m_current != index) {
            m_painter.setFont(found->font);
            m_current = index;
        }
        return found->lineHeight;
    }

private:
    struct Made {
        ReportFont style;
        QFont font;
        double lineHeight;
    };
    QPainter &m_painter;
    const ReportDefinition &m_definition;
    std::vector<Made> m_made;
    std::size_t m_current = std::size_t(-1);
};

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

void paintBand(QPainter &painter, PageFonts &fonts, const Report &report, const ReportBand &band, QPointF origin,
               const DataTable *view, int row, Inches inch)
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
            const double lineHeight = fonts.use(item.font);
            painter.setPen(item.colour);
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
    PageFonts fonts(painter, report.definition);
    for (const PlacedBand &placed : page.bands) {
        const ReportSection &section = report.definition.sections[static_cast<std::size_t>(placed.section)];
        const DataTable *view = report.dataViews.value(section.dataView);
        const bool header = placed.kind == PlacedBand::Kind::Header;
        const QPointF origin(inch(region.left()), inch(region.top() + placed.top));
        paintBand(painter, fonts, report, header ? section.header : section.row, origin, view, placed.row, inch);
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
