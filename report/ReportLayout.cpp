#include "report/ReportLayout.h"

#include <cmath>

namespace {

// Heights are compared in ten-thousandths of an inch, so that 42 rows of 0.2
// inch fill 8.4 inches exactly.
long long ticks(double inches)
{
    return std::llround(inches * 10000);
}

} // namespace

std::vector<LaidOutPage> layOutReport(const Report &report)
{
    const ReportDefinition &definition = report.definition;
    const long long regionHeight = ticks(definition.region.height());
    std::vector<LaidOutPage> pages(1);
    long long used = 0;

    const auto newPage = [&] {
        pages.emplace_back();
        used = 0;
    };
    const auto place = [&](PlacedBand::Kind kind, int section, int row, double height) {
        pages.back().bands.push_back({kind, section, row, used / 10000.0});
        used += ticks(height);
    };

    for (int s = 0; s < static_cast<int>(definition.sections.size()); ++s) {
        const ReportSection &section = definition.sections[static_cast<std::size_t>(s)];
        if (section.startsNewPage && !pages.back().bands.empty())
            newPage();
        place(PlacedBand::Kind::Header, s, -1, section.header.height);

        const DataTable *view = report.dataViews.value(section.dataView);
        const int rows = view ? view->rowCount() : 0;
        for (int row = 0; row < rows; ++row) {
            if (used + ticks(section.row.height) > regionHeight) {
                newPage();
                place(PlacedBand::Kind::Header, s, -1, section.header.height);
            }
            place(PlacedBand::Kind::Row, s, row, section.row.height);
        }
    }
    return pages;
}
