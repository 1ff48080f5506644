#pragma once

// The page tsElectrolytes: Na, Cl and the albumin (in g/L or g/dL, the unit
// stored) beside the blood gas in the fields, with their own Clear; after each
// Analyze, the anion gap of the blood gas assessed, its albumin correction, the
// corrected HCO3 and the delta ratio, and what they say, as the explanation
// words them. Generate fills the electrolytes when the teacher page asks for them.

#include "ui/PageWidget.h"
#include "ui/SideBarActions.h"

#include <array>

class NumericSpinField;
class QComboBox;
class QLabel;
class QPushButton;
class QTextEdit;

class ElectrolytesPage : public PageWidget {
    Q_OBJECT

public:
    static constexpr Page kPage = Page::Electrolytes;

    ElectrolytesPage(PageContext &context, QWidget *parent);

    void retranslate() override;
    void shown() override
    {
        showElectrolytes();
        showReading();
    }

private:
    // The fields as the session holds them.
    void showElectrolytes();
    // What the fields hold, to the session.
    void electrolytesEdited();
    void showReading();
    void setAlbuminStep();

    QLabel *m_title;
    std::array<QLabel *, 3> m_captions{};
    std::array<NumericSpinField *, 3> m_fields{}; // Na, Cl, albumin
    QLabel *m_albuminUnitCaption;
    QComboBox *m_albuminUnit;
    QPushButton *m_clear;
    QTextEdit *m_reading;
    bool m_showing = false; // the fields are being written from the session
};
