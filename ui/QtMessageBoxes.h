#pragma once

// The real message boxes: QMessageBox, and the error dialog created at start-up.

#include "ui/MessageBoxes.h"

#include <QPointer>

class QWidget;
class TfrmABGError;

class QtMessageBoxes final : public MessageBoxes {
public:
    void setParentWindow(QWidget *parent);
    void setErrorForm(TfrmABGError *form);

    void error(const QString &text) override;
    void information(const QString &text) override;
    bool confirm(const QString &text) override;
    void showAbgError(const QString &text) override;

private:
    QPointer<QWidget> m_parent;
    QPointer<TfrmABGError> m_errorForm;
};
