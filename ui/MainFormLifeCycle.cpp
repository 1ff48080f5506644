// The window's life: created with its window settings restored, shown once
// (the application settings loaded and applied, then saved), closed (the
// language and both kinds of settings saved), destroyed.

#include "ui/MainForm.h"

#include "ui/AbgInputPanel.h"
#include "ui/MessageBoxes.h"
#include "widgets/IndexedAction.h"
#include "widgets/NumericSpinField.h"
#include "widgets/SideBarGroup.h"

#include <QCloseEvent>
#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QStackedWidget>

#include <utility>

void TfrmMain::restoreWindowSettings()
{
    m_pages->setCurrentIndex(static_cast<int>(kDesignPage));
    bindFormSettings();
    m_formSettings.restore(*m_store);
    // Whatever position was stored, the window opens centred.
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void TfrmMain::bindFormSettings()
{
    for (SideBarGroup *group : m_groups) {
        m_formSettings.bind({group->objectName() + QStringLiteral(".Collapsed"), FormSettings::Kind::Boolean, false,
                             [group] { return QVariant(group->isCollapsed()); },
                             [group](const QVariant &value) {
                                 group->setCollapsed(value.toBool());
                                 return true;
                             }});
    }
    m_formSettings.bind({QStringLiteral("pcABGDetails.ActivePage"), FormSettings::Kind::Text,
                         QString::fromLatin1(pageRows()[static_cast<std::size_t>(kDesignPage)].name),
                         [this] { return QVariant(m_pages->currentWidget()->objectName()); },
                         [this](const QVariant &value) {
                             const std::optional<Page> stored = pageNamed(value.toString());
                             if (stored)
                                 m_pages->setCurrentIndex(static_cast<int>(*stored));
                             return stored.has_value();
                         }});
    for (const PageRow &row : pageRows()) {
        IndexedAction *pageAction = action(row.action);
        const int designed = kBarActions[static_cast<std::size_t>(row.action)].designedImage;
        m_formSettings.bind({pageAction->objectName() + QStringLiteral(".ImageIndex"), FormSettings::Kind::Integer,
                             designed, [pageAction] { return QVariant(pageAction->imageIndex()); },
                             [pageAction](const QVariant &value) {
                                 const int index = value.toInt();
                                 if (index < kNoImage || index > kArrowImage)
                                     return false;
                                 pageAction->setImageIndex(index);
                                 return true;
                             }});
    }
}

void TfrmMain::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!std::exchange(m_shown, true))
        FormShow();
}

void TfrmMain::FormShow()
{
    CreateCategoryStats();
    m_appSettings.load(*m_store);
    applyStoredUnit();
    applyStoredLanguage();
    applyStoredDecimals();
    if (m_teacherPage)
        showTeacherState();
    saveApplicationSettings();
    showVerdict(Verdict::None);
    // The page restored from the settings is shown now, as a switch to it would show it.
    runShowHook(static_cast<Page>(m_pages->currentIndex()));
}

void TfrmMain::closeEvent(QCloseEvent *event)
{
    FormClose();
    QMainWindow::closeEvent(event);
}

void TfrmMain::FormClose()
{
    m_appSettings[AppSetting::Language].setText(QString::fromStdString(m_presentation.language));
    m_appSettings.save(*m_store);
    const QScreen *screen = this->screen();
    // The window's position is its frame's corner, as move() and every desktop take it.
    const QPoint frameOffset = frameGeometry().topLeft() - geometry().topLeft();
    m_formSettings.save(*m_store, normalGeometry().topLeft() + frameOffset, screen ? screen->size() : QSize());
    checkSettingsWritten();
}

void TfrmMain::saveApplicationSettings()
{
    m_appSettings.save(*m_store);
    checkSettingsWritten();
}

// A store that cannot be written (a read-only folder, a full disk) would lose
// every choice without a word: the user is told once, in the language in force.
void TfrmMain::checkSettingsWritten()
{
    m_store->sync();
    if (m_store->status() != QSettings::AccessError || std::exchange(m_toldSettingsUnsaved, true))
        return;
    m_boxes.error(ownText(halvex::OwnText::SettingsNotSaved).arg(QDir::toNativeSeparators(m_store->fileName())));
}
