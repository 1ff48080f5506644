#include "settings/AppSettings.h"

#include <QSettings>

#include <utility>

namespace {

constexpr char kGroup[] = "AppSettings";

// In the order they are declared and written.
constexpr std::array<const char *, kAppSettingCount> kNames{
    "Units",   "Language",     "phDec",          "HCO3Dec",          "PaCO2Dec",
    "PaO2Dec", "PracticeWeak", "RealisticCases", "WithElectrolytes", "AlbuminUnit"};
// Settings of our own, not of the design: deleted from the store when they are empty.
constexpr std::size_t kFirstOwnSetting = 6;

// The number a text holds, its fraction cut off; a text that is no number, or
// one beyond an integer's range, is 0.
int truncatedInteger(const QString &text)
{
    bool ok = false;
    const double number = text.trimmed().toDouble(&ok);
    if (!ok || !(number > -2147483648.0 && number < 2147483648.0))
        return 0;
    return static_cast<int>(number);
}

} // namespace

QString AppSettings::Value::text() const
{
    switch (m_kind) {
    case Kind::Empty:
        return {};
    case Kind::String:
        return m_text;
    case Kind::Integer:
        return QString::number(m_integer);
    }
    return {};
}

int AppSettings::Value::integer() const
{
    return m_kind == Kind::Integer ? m_integer : truncatedInteger(m_text);
}

bool AppSettings::Value::sameAs(Kind kind, const QString &text, int integer) const
{
    return kind == m_kind && (kind != Kind::String || text == m_text)
           && (kind != Kind::Integer || integer == m_integer);
}

void AppSettings::Value::set(Kind kind, const QString &text, int integer)
{
    m_changed = m_changed || !sameAs(kind, text, integer);
    m_kind = kind;
    m_text = text;
    m_integer = integer;
}

void AppSettings::Value::setText(const QString &text)
{
    set(Kind::String, text, 0);
}

void AppSettings::Value::setInteger(int value)
{
    set(Kind::Integer, {}, value);
}

void AppSettings::Value::clear()
{
    set(Kind::Empty, {}, 0);
}

void AppSettings::load(QSettings &store)
{
    store.beginGroup(QString::fromLatin1(kGroup));
    for (std::size_t i = 0; i < kNames.size(); ++i) {
        const QVariant stored = store.value(QString::fromLatin1(kNames[i]));
        if (!stored.isValid())
            continue;
        // The registry keeps integers as integers; a configuration file keeps only text.
        const int type = stored.typeId();
        if (type == QMetaType::Int || type == QMetaType::UInt || type == QMetaType::LongLong
            || type == QMetaType::ULongLong)
            m_values[i].setInteger(stored.toInt());
        else
            m_values[i].setText(stored.toString());
        m_values[i].m_changed = false; // as stored
    }
    store.endGroup();
}

void AppSettings::save(QSettings &store)
{
    store.beginGroup(QString::fromLatin1(kGroup));
    for (std::size_t i = 0; i < kNames.size(); ++i) {
        Value &value = m_values[i];
        if (!std::exchange(value.m_changed, false))
            continue;
        if (value.isEmpty()) {
            if (i >= kFirstOwnSetting)
                store.remove(QString::fromLatin1(kNames[i]));
            continue;
        }
        if (value.isInteger())
            store.setValue(QString::fromLatin1(kNames[i]), value.integer());
        else
            store.setValue(QString::fromLatin1(kNames[i]), value.text());
    }
    store.endGroup();
}
