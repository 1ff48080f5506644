#pragma once

// The page tsUserPrefs: how many decimals the pH, PaCO2, PaO2 and HCO3 fields
// show, with Save, Restore Defaults and Cancel.

#include "ui/DecimalPreferences.h"
#include "ui/PageWidget.h"
#include "ui/SideBarActions.h"

#include <array>

class ButtonSpinBox;

class PreferencesPage : public PageWidget {
    Q_OBJECT

public:
    static constexpr Page kPage = Page::Preferences;

    PreferencesPage(PageContext &context, QWidget *parent);

    void retranslate() override;
    // tsUserPrefsShow: the fields show the saved decimals.
    void shown() override { tsUserPrefsShow(); }

private:
    void tsUserPrefsShow();
    // Stores the four decimals, saves the settings, and the input fields take them.
    void btnSaveClick();
    // The design's decimals (one for the pressures in kPa), saved.
    void btnDefaultsClick();
    ButtonSpinBox *decimalsField(DecimalValue value) const { return m_fields[static_cast<std::size_t>(value)]; }

    std::array<ButtonSpinBox *, 4> m_fields{};
};
