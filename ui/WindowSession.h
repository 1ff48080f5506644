#pragma once

// The session of one window, shared by its pages: the presentation (unit and
// language in force), the practice session, the generator, the application
// settings and their store, the values in the input fields and the
// electrolytes typed beside them, and the last blood gas assessed. Parts of the window change it through its operations
// and follow it through its signals; none reaches into another.

#include "engine/AnionGap.h"
#include "engine/BloodGasSample.h"
#include "engine/Explanation.h"
#include "engine/InputValidation.h"
#include "engine/Presentation.h"
#include "engine/RandomSource.h"
#include "engine/SampleGenerator.h"
#include "language/OwnTexts.h"
#include "settings/AppSettings.h"
#include "teaching/Practice.h"
#include "ui/SideBarActions.h"

#include <QObject>
#include <QString>

#include <memory>
#include <optional>
#include <string>
#include <string_view>

class QSettings;

class WindowSession : public QObject {
    Q_OBJECT

public:
    explicit WindowSession(halvex::SeedSource seeds, QObject *parent = nullptr);
    ~WindowSession() override;

    const halvex::Presentation &presentation() const { return m_presentation; }
    // The caption set last written: French or English; none before the first.
    std::optional<bool> frenchCaptions() const { return m_frenchCaptions; }
    // The language of the captions: French after the French set, English otherwise.
    std::string_view captionLanguage() const;
    // One of Halvex's own texts, in the language of the captions.
    QString text(halvex::OwnText which) const;
    // A category's name in the language of the captions, as the pages show it.
    QString categoryName(halvex::AbgCategory category) const;

    // The unit: the fields, the normal values and every pressure shown follow it.
    void selectUnit(halvex::PressureUnit unit);
    // A language key of the side bar; English and French also change the captions.
    void selectLanguage(std::string_view key);
    // The stored language, exactly as stored: a key of the side bar is selected
    // as such; any other text is the language in force without a caption set.
    void applyStoredLanguage();

    AppSettings &settings() { return m_settings; }
    const AppSettings &settings() const { return m_settings; }
    QSettings &store() { return *m_store; }
    void loadSettings();
    // Saves the settings changed; a store that cannot be written is said once (settingsNotWritten).
    void saveSettings();
    // Checks that what was saved reached the store.
    void checkStoreWritten();

    halvex::Practice &practice() { return m_practice; }
    const halvex::Practice &practice() const { return m_practice; }
    halvex::TABG &generator() { return *m_generator; }

    // Where the values in the fields come from.
    halvex::CaseOrigin fieldsOrigin() const { return m_fieldsOrigin; }
    // The fields were written with other values than the case Generate made
    // (typed, cleared, a sample, a reviewed answer): the case is left and
    // nothing is explained until the next Analyze.
    void fieldsWritten(halvex::CaseOrigin origin);
    // Puts a blood gas (in mmHg) into the fields, as the sample page and the review do.
    void loadSample(const halvex::BloodGasSample &sample, halvex::CaseOrigin origin);
    // Generate: a variant drawn as the options say, a sample of it made and put into the fields.
    void generateCase();

    // The answer boxes.
    void tick(halvex::AbgCategory category);
    // The practice options of the teacher page, stored only while on.
    void setOption(AppSetting option, bool on);

    // The electrolytes of the electrolytes page, as typed or generated, in the albumin unit in force.
    const halvex::Electrolytes &electrolytes() const { return m_electrolytes; }
    void setElectrolytes(const halvex::Electrolytes &electrolytes);
    // The albumin unit: stored only while it is not g/L.
    halvex::AlbuminUnit albuminUnit() const;
    void selectAlbuminUnit(halvex::AlbuminUnit unit);

    // What the last Analyze assessed (in mmHg), where its values came from and
    // the verdict on the answer scored with it; the electrolytes it was
    // assessed with, or why they were refused.
    struct Assessment {
        halvex::BloodGasSample sample;
        halvex::CaseOrigin origin;
        std::optional<halvex::AnswerVerdict> verdict;
        halvex::Electrolytes electrolytes;
        std::string electrolytesRefused;
    };
    const std::optional<Assessment> &assessment() const { return m_assessment; }
    // Analyze: the fields are editable again and no case waits for its analysis.
    void analysisStarted();
    // Analyze refused the values: nothing is explained.
    void analysisRefused();
    // Analyze assessed these values (as the fields show them): the answer, if
    // one is ticked for this case, is scored and recorded.
    void assessed(const halvex::AbgInput &input, const halvex::BloodGasSample &sample);

    void requestPage(Page page) { emit pageRequested(page); }
    // The decimal preferences were saved: the fields take them.
    void decimalsSaved() { emit decimalsChanged(); }

signals:
    void unitChanged(halvex::PressureUnit from, halvex::PressureUnit to);
    void languageChanged();
    void sampleLoaded(const halvex::BloodGasSample &sample);
    void electrolytesChanged();
    void practiceChanged();
    void assessmentChanged();
    void pageRequested(Page page);
    void decimalsChanged();
    void settingsNotWritten(const QString &file);

private:
    void forgetAssessment();

    halvex::Presentation m_presentation;
    std::optional<bool> m_frenchCaptions;
    std::unique_ptr<QSettings> m_store;
    AppSettings m_settings;
    bool m_toldNotWritten = false;
    std::unique_ptr<halvex::TABG> m_generator;
    halvex::Practice m_practice;
    halvex::CaseOrigin m_fieldsOrigin = halvex::CaseOrigin::Typed;
    std::optional<Assessment> m_assessment;
    halvex::Electrolytes m_electrolytes;
};
