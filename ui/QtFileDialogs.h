#pragma once

// The real file dialogs: Qt's own, over the window.

#include "ui/FileDialogs.h"

#include <QPointer>

class QWidget;

class QtFileDialogs final : public FileDialogs {
public:
    explicit QtFileDialogs(QWidget *owner) : m_owner(owner) {}
    QString saveFileName(const QString &caption, const QString &suggested, const QString &filter) override;

private:
    QPointer<QWidget> m_owner;
};
