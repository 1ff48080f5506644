#pragma once

// The page tsUserPrefs: how many decimals the pH, PaCO2, PaO2 and HCO3 fields
// show, with Save, Restore Defaults and Cancel.

#include "ui/DecimalPreferences.h"

#include <QWidget>

#include <array>

class ButtonSpinBox;
class QPushButton;

class PreferencesPage : public QWidget {
    Q_OBJECT

public:
    explicit PreferencesPage(QWidget *parent = nullptr);

    ButtonSpinBox *decimalsField(DecimalValue value) const;
    QPushButton *btnDefaults() const { return m_defaults; }
    QPushButton *btnSave() const { return m_save; }
    QPushButton *btnCancel() const { return m_cancel; }

private:
    std::array<ButtonSpinBox *, 4> m_fields{};
    QPushButton *m_defaults;
    QPushButton *m_save;
    QPushButton *m_cancel;
};
