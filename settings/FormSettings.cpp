#include "settings/FormSettings.h"

#include <QSettings>

#include <optional>

namespace {

// The stored text of a value, as the store holds it: "True"/"False" for a boolean.
QVariant storedForm(FormSettings::Kind kind, const QVariant &value)
{
    switch (kind) {
    case FormSettings::Kind::Boolean:
        return value.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    case FormSettings::Kind::Integer:
        return value.toInt();
    case FormSettings::Kind::Text:
        return value.toString();
    }
    return {};
}

// The value a stored entry stands for, or nothing when it is malformed.
std::optional<QVariant> parsed(FormSettings::Kind kind, const QVariant &stored)
{
    const QString text = stored.toString().trimmed();
    switch (kind) {
    case FormSettings::Kind::Boolean:
        if (text.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
            return QVariant(true);
        if (text.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
            return QVariant(false);
        return std::nullopt;
    case FormSettings::Kind::Integer: {
        bool ok = false;
        const int value = text.toInt(&ok);
        return ok ? std::optional<QVariant>(value) : std::nullopt;
    }
    case FormSettings::Kind::Text:
        return QVariant(stored.toString());
    }
    return std::nullopt;
}

struct Path {
    QString subkey;
    QString value;
};

Path splitName(const QString &name)
{
    const qsizetype dot = name.lastIndexOf(u'.');
    return {name.left(dot), name.mid(dot + 1)};
}

} // namespace

FormSettings::FormSettings(QString formName) : m_formName(std::move(formName)) {}

void FormSettings::bind(Binding binding)
{
    m_bindings.push_back(std::move(binding));
}

void FormSettings::restore(QSettings &store)
{
    store.beginGroup(m_formName);
    for (const Binding &binding : m_bindings) {
        const Path path = splitName(binding.name);
        const QVariant stored = store.value(path.subkey + u'/' + path.value);
        if (!stored.isValid())
            continue;
        if (const std::optional<QVariant> value = parsed(binding.kind, stored); !value || !binding.write(*value))
            binding.write(binding.design);
    }
    store.endGroup();
    m_saved.clear();
    for (const Binding &binding : m_bindings)
        m_saved.push_back(storedForm(binding.kind, binding.read()));
}

void FormSettings::save(QSettings &store, QPoint topLeft, QSize screen)
{
    // Without a restore every value counts as changed.
    m_saved.resize(m_bindings.size());
    store.beginGroup(m_formName);
    store.setValue(QStringLiteral("Left"), topLeft.x());
    store.setValue(QStringLiteral("Top"), topLeft.y());
    store.setValue(QStringLiteral("ScreenRes"), QStringLiteral("%1x%2").arg(screen.width()).arg(screen.height()));
    for (std::size_t i = 0; i < m_bindings.size(); ++i) {
        const Binding &binding = m_bindings[i];
        const QVariant current = storedForm(binding.kind, binding.read());
        if (current == m_saved[i])
            continue;
        m_saved[i] = current;
        const Path path = splitName(binding.name);
        store.beginGroup(path.subkey);
        if (current != storedForm(binding.kind, binding.design))
            store.setValue(path.value, current);
        else
            store.remove(path.value);
        const bool empty = store.childKeys().isEmpty() && store.childGroups().isEmpty();
        store.endGroup();
        if (empty)
            store.remove(path.subkey);
    }
    store.endGroup();
}
