#pragma once

// A banded report: a page with one printable region, and sections that each
// print a header band and one row band per row of a data view. Positions and
// sizes are in inches; a band's items are placed from its top left corner.

#include <QColor>
#include <QImage>
#include <QRectF>
#include <QSizeF>
#include <QString>

#include <vector>

struct ReportFont {
    double points = 10;
    bool bold = false;
    bool underline = false;
};

struct ReportItem {
    enum class Kind { Text, Field, Parameter, Picture, Rule };
    Kind kind = Kind::Text;
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0; // pictures and rules; text takes its font's line
    QString content;   // the text, the field name or the parameter name
    ReportFont font;
    Qt::Alignment alignment = Qt::AlignLeft;
    QColor colour = Qt::black; // text and rules
    QImage picture;
};

struct ReportBand {
    double height = 0;
    std::vector<ReportItem> items;
};

struct ReportSection {
    QString dataView;  // the name the data view is bound by
    ReportBand header; // at the top of the section and of each further page of it
    ReportBand row;    // once per row of the data view
    bool startsNewPage = false;
};

struct ReportDefinition {
    QSizeF pageSize; // inches
    QRectF region;   // inches from the page's top left corner
    QString fontFamily = QStringLiteral("Arial");
    std::vector<ReportSection> sections;
};
