// The window's life: created with its window settings restored, shown once
// (the application settings loaded and applied, then saved), closed (the
// language and both kinds of settings saved), destroyed.

#include "ui/MainForm.h"

#include "ui/AbgInputPanel.h"
#include "ui/PageWidget.h"
#include "ui/WindowSession.h"
#include "widgets/IndexedAction.h"
#include "widgets/SideBarGroup.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QStackedWidget>

#include <utility>

void TfrmMain::restoreWindowSettings()
{
    m_pages->setCurrentIndex(static_cast<int>(kDesignPage));
    bindFormSettings();
    m_formSettings.restore(m_session->store());
    // The page restored is the one chosen, wherever the arrow stands: at a first
    // start the design puts it at ABG Teacher over the About page.
    showPageChosen();
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
    m_session->practice().CreateCategoryStats();
    m_session->loadSettings();
    // The stored unit: a name other than mmHg's, in any letter case, is kPa; nothing stored is mmHg.
    const QString units = m_session->settings()[AppSetting::Units].text();
    if (units.isEmpty() || halvex::pressureUnitNamed(units.toStdString()) == halvex::PressureUnit::MmHg)
        alBarMMHGExecute();
    else
        alBarKPaExecute();
    m_session->applyStoredLanguage();
    m_input->applyStoredDecimals();
    m_session->saveSettings();
    // The page restored from the settings is shown after the first frame, as a switch to it would show it.
    m_restoredPagePending = true;
}

void TfrmMain::closeEvent(QCloseEvent *event)
{
    FormClose();
    QMainWindow::closeEvent(event);
}

void TfrmMain::FormClose()
{
    m_session->settings()[AppSetting::Language].setText(QString::fromStdString(m_session->presentation().language));
    m_session->settings().save(m_session->store());
    const QScreen *screen = this->screen();
    // The window's position is its frame's corner, as move() and every desktop take it.
    const QPoint frameOffset = frameGeometry().topLeft() - geometry().topLeft();
    m_formSettings.save(m_session->store(), normalGeometry().topLeft() + frameOffset,
                        screen ? screen->size() : QSize());
    m_session->checkStoreWritten();
}
