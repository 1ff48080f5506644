#pragma once

// The printed exercise sheet: a listing of generated blood gases with an empty
// answer column, then, from a new page, their categories as the answers. It
// owns the two lists the report reads: the samples (bound as "dscABGList") and
// the answers (bound as "dscABGResuults").

#include "report/DataTable.h"
#include "report/Report.h"

#include <QHash>
#include <QImage>
#include <QString>

namespace halvex {
class TABG;
struct Presentation;
} // namespace halvex

class ExerciseSheet {
public:
    // The logo and the web-site address printed at the top of each listing page.
    ExerciseSheet(QImage logo, QString website);

    const DataTable &tblABGList() const { return m_samples; }
    const DataTable &tblABGResults() const { return m_answers; }
    const QHash<QString, QString> &parameters() const { return m_parameters; }

    // Empties both lists, sets the pressure formats and captions for the unit,
    // and generates `count` blood gases (variants 1 to 28, the random source
    // seeded once for the series) with their answers in the language; when
    // `explained`, each answer with its reason under it.
    void fill(halvex::TABG &abg, int count, const halvex::Presentation &presentation, bool explained = false);

    // The report over the two lists as they stand.
    Report report() const;

private:
    ReportDefinition m_definition;
    ReportDefinition m_explainedDefinition;
    bool m_explained = false;
    DataTable m_samples;
    DataTable m_answers;
    QHash<QString, QString> m_parameters;
};
