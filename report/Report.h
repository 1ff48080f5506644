#pragma once

// A report ready to run: its definition, the data views it is bound to by
// name, and its text parameters.

#include "report/DataTable.h"
#include "report/ReportDefinition.h"

#include <QHash>
#include <QString>

struct Report {
    ReportDefinition definition;
    QHash<QString, const DataTable *> dataViews;
    QHash<QString, QString> parameters;
    QString jobTitle;
};
