#pragma once

// An in-memory table that feeds a report: named fields, rows of values, and
// for each field the display format that turns a value into the text printed.

#include <QString>
#include <QStringList>
#include <QVariant>

#include <optional>
#include <vector>

class DataTable {
public:
    explicit DataTable(QStringList fields);

    const QStringList &fields() const { return m_fields; }
    int rowCount() const { return static_cast<int>(m_rows.size()); }

    // A fixed number of decimals ("0.00" is 2), or none: the shortest general
    // form, up to 15 significant digits.
    void setDisplayDecimals(const QString &field, std::optional<int> decimals);

    void clear() { m_rows.clear(); }
    // Appends a row of values in field order; text values are cut to the
    // field's maximum length, when it has one.
    void append(std::vector<QVariant> values);
    // Replaces one value of a row appended before.
    void setValue(int row, const QString &field, QVariant value);
    void setMaximumLength(const QString &field, int length);

    QVariant value(int row, const QString &field) const;
    // The value as the report prints it, with the user's decimal separator.
    QString displayText(int row, const QString &field) const;

private:
    int indexOf(const QString &field) const;

    QStringList m_fields;
    std::vector<std::optional<int>> m_decimals;
    std::vector<std::optional<int>> m_maximumLengths;
    std::vector<std::vector<QVariant>> m_rows;
};
