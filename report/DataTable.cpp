#include "report/DataTable.h"

#include "numbers/NumberText.h"

#include <QLocale>

namespace {

// Numbers are written with "." and then given the user's decimal separator.
QString withUserSeparator(QString text)
{
    const QString separator = QLocale().decimalPoint();
    if (separator != QLatin1String("."))
        text.replace(u'.', separator);
    return text;
}

QString generalForm(double value)
{
    return withUserSeparator(QString::number(value, 'g', 15));
}

} // namespace

DataTable::DataTable(QStringList fields)
    : m_fields(std::move(fields))
    , m_decimals(static_cast<std::size_t>(m_fields.size()))
    , m_maximumLengths(static_cast<std::size_t>(m_fields.size()))
{
}

int DataTable::indexOf(const QString &field) const
{
    return static_cast<int>(m_fields.indexOf(field));
}

void DataTable::setDisplayDecimals(const QString &field, std::optional<int> decimals)
{
    const int index = indexOf(field);
    if (index >= 0)
        m_decimals[static_cast<std::size_t>(index)] = decimals;
}

void DataTable::setMaximumLength(const QString &field, int length)
{
    const int index = indexOf(field);
    if (index >= 0)
        m_maximumLengths[static_cast<std::size_t>(index)] = length;
}

void DataTable::append(std::vector<QVariant> values)
{
    values.resize(static_cast<std::size_t>(m_fields.size()));
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (m_maximumLengths[i] && values[i].typeId() == QMetaType::QString)
            values[i] = values[i].toString().left(*m_maximumLengths[i]);
    }
    m_rows.push_back(std::move(values));
}

void DataTable::setValue(int row, const QString &field, QVariant value)
{
    m_rows.at(static_cast<std::size_t>(row)).at(static_cast<std::size_t>(indexOf(field))) = std::move(value);
}

QVariant DataTable::value(int row, const QString &field) const
{
    const int index = indexOf(field);
    if (row < 0 || row >= rowCount() || index < 0)
        return {};
    return m_rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(index)];
}

QString DataTable::displayText(int row, const QString &field) const
{
    const QVariant stored = value(row, field);
    const int type = stored.typeId();
    if (type != QMetaType::Double && type != QMetaType::Int && type != QMetaType::LongLong)
        return stored.toString();
    const std::optional<int> decimals = m_decimals[static_cast<std::size_t>(indexOf(field))];
    if (!decimals)
        return generalForm(stored.toDouble());
    return withUserSeparator(QString::fromStdString(halvex::formatFixed(stored.toDouble(), *decimals)));
}
