#include "report/ReportPainter.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextLayout>

#include <algorithm>
#include <iterator>
#include <map>
#include <memory>
#include <utility>
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

// The fonts of the pages and their line heights, each made once, and the one
// the painter holds: a report's cells use a handful of styles.
class PageFonts {
public:
    PageFonts(QPainter &painter, const ReportDefinition &definition) : m_painter(painter), m_definition(definition) {}

    struct Use {
        std::size_t index; // the style's place among those made
        double lineHeight;
    };
    // Sets the style's font on the painter, if it is not the one set.
    Use use(const ReportFont &style)
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
        return {index, found->lineHeight};
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

// Cells' texts laid out once in their font and drawn as often as they recur:
// the values, categories and grades of a sheet repeat from row to row. Laid
// out as QPainter::drawText lays out one line unwrapped, and placed in the
// cell's width as it places it.
class CellTexts {
public:
    explicit CellTexts(QPainter &painter) : m_painter(painter) {}

    void draw(const QString &text, std::size_t font, const QRectF &cell, Qt::Alignment alignment)
    {
        const QTextLayout &layout = laidOut(text, font);
        const qreal advance = layout.lineAt(0).horizontalAdvance();
        qreal x = cell.x();
        if (alignment & Qt::AlignRight)
            x += cell.width() - advance;
        else if (alignment & Qt::AlignHCenter)
            x += (cell.width() - advance) / 2;
        layout.draw(&m_painter, QPointF(x, cell.y()));
    }

private:
    // Enough for every value a sheet shows; beyond it the texts are laid out afresh.
    static constexpr qsizetype kMostKept = 4096;

    const QTextLayout &laidOut(const QString &text, std::size_t font)
    {
        const std::pair<std::size_t, QString> key{font, text};
        if (const auto found = m_laidOut.find(key); found != m_laidOut.end())
            return *found->second;
        if (m_laidOut.size() >= kMostKept)
            m_laidOut.clear();
        auto layout = std::make_unique<QTextLayout>(text, m_painter.font(), m_painter.device());
        layout->setCacheEnabled(true);
        layout->beginLayout();
        QTextLine line = layout->createLine();
        line.setLineWidth(kUnwrapped);
        line.setPosition(QPointF(0, 0));
        layout->endLayout();
        return *m_laidOut.emplace(key, std::move(layout)).first->second;
    }

    static constexpr qreal kUnwrapped = 0x01000000; // the width QPainter gives a line it does not wrap
    QPainter &m_painter;
    std::map<std::pair<std::size_t, QString>, std::unique_ptr<QTextLayout>> m_laidOut;
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

void paintBand(QPainter &painter, PageFonts &fonts, CellTexts &texts, const Report &report, const ReportBand &band,
               QPointF origin, const DataTable *view, int row, Inches inch)
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
            const PageFonts::Use font = fonts.use(item.font);
            const QRectF cell(at, QSizeF(inch(item.width), font.lineHeight));
            const QString text = textOf(item, report, view, row);
            painter.setPen(item.colour);
            // Lines, tabs and empty cells are QPainter's to lay out.
            if (text.isEmpty() || text.contains(u'\n') || text.contains(u'\r') || text.contains(u'\t'))
                painter.drawText(cell, static_cast<int>(item.alignment | Qt::AlignTop) | Qt::TextDontClip, text);
            else
                texts.draw(text, font.index, cell, item.alignment);
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

namespace {

void paintPage(QPainter &painter, PageFonts &fonts, CellTexts &texts, const Report &report, const LaidOutPage &page)
{
    const Inches inch{static_cast<double>(painter.device()->logicalDpiX())};
    const QRectF region = report.definition.region;
    for (const PlacedBand &placed : page.bands) {
        const ReportSection &section = report.definition.sections[static_cast<std::size_t>(placed.section)];
        const DataTable *view = report.dataViews.value(section.dataView);
        const bool header = placed.kind == PlacedBand::Kind::Header;
        const QPointF origin(inch(region.left()), inch(region.top() + placed.top));
        paintBand(painter, fonts, texts, report, header ? section.header : section.row, origin, view, placed.row, inch);
    }
}

} // namespace

void paintReportPage(QPainter &painter, const Report &report, const LaidOutPage &page)
{
    PageFonts fonts(painter, report.definition);
    CellTexts texts(painter);
    paintPage(painter, fonts, texts, report, page);
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
    // Made once for all the pages.
    PageFonts fonts(painter, report.definition);
    CellTexts texts(painter);
    for (std::size_t i = 0; i < pages.size(); ++i) {
        if (pageStarted && !pageStarted(static_cast<int>(i) + 1)) {
            if (stopped)
                stopped();
            return false;
        }
        if (i > 0)
            device.newPage();
        paintPage(painter, fonts, texts, report, pages[i]);
    }
    return painter.end();
}
