#pragma once

// The application settings: the pressure unit, the interface language and the
// four decimal-place preferences. Each is empty (never set), a string or an
// integer; it reads as text or as an integer whatever it holds. The window
// decides when they are loaded and saved.

#include <QString>

#include <array>

class QSettings;

// The six of the design, then the settings of our own: options stored as 1
// only while they are on, PracticeWeak (practice aimed at weak categories),
// RealisticCases (generated values that fit together) and WithElectrolytes
// (generated cases come with Na, Cl and albumin); and AlbuminUnit, stored only
// while it is not the default g/L.
enum class AppSetting {
    Units,
    Language,
    phDec,
    HCO3Dec,
    PaCO2Dec,
    PaO2Dec,
    PracticeWeak,
    RealisticCases,
    WithElectrolytes,
    AlbuminUnit
};
inline constexpr std::size_t kAppSettingCount = static_cast<std::size_t>(AppSetting::AlbuminUnit) + 1;

class AppSettings {
public:
    class Value {
    public:
        bool isEmpty() const { return m_kind == Kind::Empty; }
        bool isInteger() const { return m_kind == Kind::Integer; }
        // An integer reads as its digits, an empty setting as the empty text.
        QString text() const;
        // A string reads as the number it starts with, truncated; one that is not a number reads as 0.
        int integer() const;
        void setText(const QString &text);
        void setInteger(int value);
        // Back to never set.
        void clear();
        // An option of our own: on when it reads 1, off otherwise (never set, 0, junk).
        bool isOn() const { return text().trimmed() == QLatin1String("1"); }
        // Stored as 1 while on, not stored at all while off.
        void setOn(bool on)
        {
            if (on)
                setInteger(1);
            else
                clear();
        }

        // Changed by this program since it was loaded or last saved.
        bool isChanged() const { return m_changed; }

    private:
        friend class AppSettings;
        enum class Kind { Empty, String, Integer };
        bool sameAs(Kind kind, const QString &text, int integer) const;
        void set(Kind kind, const QString &text, int integer);

        Kind m_kind = Kind::Empty;
        QString m_text;
        int m_integer = 0;
        bool m_changed = false;
    };

    Value &operator[](AppSetting setting) { return m_values[static_cast<std::size_t>(setting)]; }
    const Value &operator[](AppSetting setting) const { return m_values[static_cast<std::size_t>(setting)]; }

    // Reads every setting stored in the store's "AppSettings" group; a setting
    // that is not stored keeps its value.
    void load(QSettings &store);
    // Writes the settings this program changed since it loaded or last saved
    // them, so that another window on the same store keeps its own choices:
    // a value that is not empty is written, an option of our own that was
    // cleared is deleted. Other values in the group are left alone.
    void save(QSettings &store);

private:
    std::array<Value, kAppSettingCount> m_values;
};
