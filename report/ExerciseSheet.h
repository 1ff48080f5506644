#pragma once

// The printed exercise sheet: a listing of generated blood gases with an empty
// answer column, then, from a new page, their categories as the answers. It
// owns the two lists the report reads: the samples (bound as "dscABGList") and
// the answers (bound as "dscABGResuults").

#include "engine/AbgCategory.h"
#include "report/DataTable.h"
#include "report/Report.h"

#include <QHash>
#include <QImage>
#include <QString>

#include <string_view>
#include <utility>
#include <vector>

namespace halvex {
class RandomSource;
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
    // `explained`, each answer with its reason under it; with `electrolytes`,
    // Na, Cl and albumin (g/L) that fit each case, drawn after the series (the
    // same blood gases as without them), and the anion gap under each answer.
    void fill(halvex::TABG &abg, int count, const halvex::Presentation &presentation, bool explained = false,
              bool electrolytes = false);

    // The report over the two lists as they stand.
    Report report() const;

private:
    // Electrolytes drawn for each case (its HCO3 and category), and its gap under its answer.
    void addElectrolytes(halvex::RandomSource &random, const std::vector<std::pair<double, halvex::AbgCategory>> &cases,
                         std::string_view language);

    QImage m_logo;
    QString m_website;
    bool m_explained = false;
    bool m_electrolytes = false;
    DataTable m_samples;
    DataTable m_answers;
    QHash<QString, QString> m_parameters;
};
