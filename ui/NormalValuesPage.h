#pragma once

// The page tsNormalValues: the normal blood-gas values and their expected
// ranges, as a static table under a header row.

#include <QFont>
#include <QWidget>

#include <utility>
#include <vector>

class QLabel;
struct UnitPresentation;


class NormalValuesPage : public QWidget {
    Q_OBJECT

public:
    explicit NormalValuesPage(QWidget *parent = nullptr);

    // The PaCO2 and PaO2 unit, normal value and range in the unit given.
    void showUnits(const UnitPresentation &units);

protected:
    void showEvent(QShowEvent *event) override;

private:
    // The cells of a pressure's row that follow the unit.
    struct PressureCells {
        QLabel *unit = nullptr;
        QLabel *normal = nullptr;
        QLabel *range = nullptr;
    };

    std::vector<std::pair<QLabel *, QFont>> m_pendingFonts;
    PressureCells m_paco2;
    PressureCells m_pao2;
};
