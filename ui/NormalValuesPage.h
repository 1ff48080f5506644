#pragma once

// The page tsNormalValues: the normal blood-gas values and their expected
// ranges, as a static table under a header row; the pressures' cells follow
// the unit in force.

#include "ui/PageWidget.h"
#include "ui/SideBarActions.h"

#include <QFont>

#include <utility>
#include <vector>

class QLabel;
struct UnitPresentation;

class NormalValuesPage : public PageWidget {
    Q_OBJECT

public:
    static constexpr Page kPage = Page::NormalValues;

    NormalValuesPage(PageContext &context, QWidget *parent);

    void retranslate() override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    // The PaCO2 and PaO2 unit, normal value and range in the unit given.
    void showUnits(const UnitPresentation &units);

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
