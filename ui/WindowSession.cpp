#include "ui/WindowSession.h"

#include "engine/ElectrolyteDraw.h"
#include "language/Language.h"
#include "settings/SettingsStore.h"
#include "teaching/WeakCategories.h"
#include "ui/CategoryControls.h"

#include <QSettings>

#include <array>
#include <utility>

namespace {

// The language keys of the side bar.
constexpr std::array<std::string_view, 4> kLanguageKeys{halvex::kLanguageEnglish, halvex::kLanguageFrench,
                                                        halvex::kLanguageGerman, halvex::kLanguageSpanish};

} // namespace

WindowSession::WindowSession(halvex::SeedSource seeds, QObject *parent)
    : QObject(parent)
    , m_store(openSettingsStore())
    , m_generator(std::make_unique<halvex::TABG>(std::move(seeds))) // FormCreate: the window's one generator
{
}

WindowSession::~WindowSession() = default;

std::string_view WindowSession::captionLanguage() const
{
    // A stored "french", or German, keeps the captions it finds, and these texts with them.
    return m_frenchCaptions.value_or(false) ? halvex::kLanguageFrench : halvex::kLanguageEnglish;
}

QString WindowSession::text(halvex::OwnText which) const
{
    const std::string_view own = halvex::ownText(which, captionLanguage());
    return QString::fromUtf8(own.data(), qsizetype(own.size()));
}

QString WindowSession::categoryName(halvex::AbgCategory category) const
{
    return ::categoryName(category, captionLanguage());
}

void WindowSession::selectUnit(halvex::PressureUnit unit)
{
    const halvex::PressureUnit from = m_presentation.unit;
    m_settings[AppSetting::Units].setText(QString::fromLatin1(halvex::unitName(unit).data()));
    m_presentation.unit = unit;
    emit unitChanged(from, unit);
}

void WindowSession::selectLanguage(std::string_view key)
{
    m_presentation.language = key;
    if (key == halvex::kLanguageEnglish || key == halvex::kLanguageFrench)
        m_frenchCaptions = key == halvex::kLanguageFrench;
    emit languageChanged();
}

void WindowSession::applyStoredLanguage()
{
    const QString stored = m_settings[AppSetting::Language].text();
    const std::string language = stored.isEmpty() ? std::string(halvex::kLanguageEnglish) : stored.toStdString();
    for (const std::string_view key : kLanguageKeys) {
        if (language == key) {
            selectLanguage(key);
            return;
        }
    }
    // "french", say: the catalogue still reads it as French, but no item is
    // ticked and no caption changes.
    m_presentation.language = language;
    emit languageChanged();
}

void WindowSession::loadSettings()
{
    m_settings.load(*m_store);
}

void WindowSession::saveSettings()
{
    m_settings.save(*m_store);
    checkStoreWritten();
}

void WindowSession::checkStoreWritten()
{
    // A store that cannot be written (a read-only folder, a full disk) would
    // lose every choice without a word: the user is told once.
    m_store->sync();
    if (m_store->status() == QSettings::AccessError && !std::exchange(m_toldNotWritten, true))
        emit settingsNotWritten(m_store->fileName());
}

void WindowSession::fieldsWritten(halvex::CaseOrigin origin)
{
    m_fieldsOrigin = origin;
    const bool hadCase = m_practice.teacher().caseInFields();
    m_practice.caseLeft();
    if (hadCase)
        emit practiceChanged();
    forgetAssessment();
}

void WindowSession::loadSample(const halvex::BloodGasSample &sample, halvex::CaseOrigin origin)
{
    fieldsWritten(origin);
    emit sampleLoaded(sample);
}

void WindowSession::generateCase()
{
    int variant = m_settings[AppSetting::PracticeWeak].isOn()
                      ? halvex::drawWeakVariant(halvex::weaknessWeights(m_practice.teacher()), m_generator->random())
                      : halvex::drawRandomVariant(m_generator->random());
    const bool realistic = m_settings[AppSetting::RealisticCases].isOn();
    if (realistic)
        variant = halvex::TABG::realisticVariant(variant);
    // The generator's code 99 (no sample made) is no category.
    const int code = realistic ? m_generator->GenerateRealistic(variant) : m_generator->Generate(variant);
    m_practice.generated(variant, halvex::categoryFromCode(code));
    // Electrolytes that fit the new case, drawn after it; without the option
    // none, since those of the case before would not belong to it.
    halvex::Electrolytes drawn;
    if (m_settings[AppSetting::WithElectrolytes].isOn()) {
        drawn = halvex::drawElectrolytes(m_generator->sample().HCO3,
                                         halvex::categoryFromCode(code).value_or(halvex::AbgCategory::Normal),
                                         m_generator->random());
        drawn.albumin = halvex::convertAlbumin(*drawn.albumin, drawn.albuminUnit, albuminUnit());
        drawn.albuminUnit = albuminUnit();
    }
    setElectrolytes(drawn);
    m_fieldsOrigin = halvex::CaseOrigin::Generated;
    forgetAssessment();
    emit practiceChanged();
    emit sampleLoaded(m_generator->sample());
}

void WindowSession::tick(halvex::AbgCategory category)
{
    m_practice.tick(category);
    emit practiceChanged();
}

void WindowSession::setOption(AppSetting option, bool on)
{
    m_settings[option].setOn(on);
    emit practiceChanged();
}

void WindowSession::analysisStarted()
{
    m_practice.analysisStarted();
}

void WindowSession::analysisRefused()
{
    forgetAssessment();
}

void WindowSession::assessed(const halvex::AbgInput &input, const halvex::BloodGasSample &sample)
{
    const std::array<double, 6> shown{input.pH.value_or(0),
                                      input.PaCO2.value_or(0),
                                      input.PaO2.value_or(0),
                                      input.HCO3.value_or(0),
                                      input.FiO2,
                                      input.Age};
    const bool ticked = m_practice.ticked().has_value();
    // Nothing is assessed from a refused electrolyte.
    const std::optional<halvex::ElectrolyteFailure> refused = halvex::validateElectrolytes(m_electrolytes);
    const halvex::Electrolytes assessedWith = refused ? halvex::Electrolytes{} : m_electrolytes;
    m_assessment =
        Assessment{sample, m_fieldsOrigin, m_practice.ScoreTeacherAnswer(shown, m_presentation.unit, assessedWith),
                   assessedWith, refused ? halvex::electrolyteFailureText(*refused, captionLanguage()) : std::string()};
    if (ticked)
        emit practiceChanged();
    emit assessmentChanged();
}

void WindowSession::setElectrolytes(const halvex::Electrolytes &electrolytes)
{
    m_electrolytes = electrolytes;
    m_electrolytes.albuminUnit = albuminUnit();
    emit electrolytesChanged();
}

halvex::AlbuminUnit WindowSession::albuminUnit() const
{
    return halvex::albuminUnitNamed(m_settings[AppSetting::AlbuminUnit].text().toStdString())
        .value_or(halvex::AlbuminUnit::GramsPerLitre);
}

void WindowSession::selectAlbuminUnit(halvex::AlbuminUnit unit)
{
    if (unit == albuminUnit())
        return;
    AppSettings::Value &stored = m_settings[AppSetting::AlbuminUnit];
    if (unit == halvex::AlbuminUnit::GramsPerLitre)
        stored.clear();
    else
        stored.setText(QString::fromLatin1(halvex::albuminUnitName(unit).data()));
    // The albumin held keeps its amount in the new unit.
    if (m_electrolytes.albumin)
        *m_electrolytes.albumin = halvex::convertAlbumin(*m_electrolytes.albumin, m_electrolytes.albuminUnit, unit);
    m_electrolytes.albuminUnit = unit;
    emit electrolytesChanged();
}

void WindowSession::forgetAssessment()
{
    if (!m_assessment)
        return;
    m_assessment.reset();
    emit assessmentChanged();
}
