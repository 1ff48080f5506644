#include "ui/QtMessageBoxes.h"

#include "ui/ErrorForm.h"

#include <QMessageBox>

void QtMessageBoxes::setParentWindow(QWidget *parent)
{
    m_parent = parent;
}

void QtMessageBoxes::setErrorForm(TfrmABGError *form)
{
    m_errorForm = form;
}

void QtMessageBoxes::error(const QString &text)
{
    QMessageBox(QMessageBox::Critical, QStringLiteral("Error"), text, QMessageBox::Ok, m_parent).exec();
}

void QtMessageBoxes::information(const QString &text)
{
    QMessageBox(QMessageBox::Information, QStringLiteral("Information"), text, QMessageBox::Ok, m_parent).exec();
}

bool QtMessageBoxes::confirm(const QString &text)
{
    QMessageBox box(QMessageBox::Question, QStringLiteral("Confirm"), text, QMessageBox::Yes | QMessageBox::No,
                    m_parent);
    return box.exec() == QMessageBox::Yes;
}

void QtMessageBoxes::showAbgError(const QString &text)
{
    if (m_errorForm)
        m_errorForm->showMessage(text);
}
