#include "ui/ErrorForm.h"

#include <QLabel>
#include <QPushButton>
#include <QStyle>

#include <algorithm>

namespace {
constexpr QPoint kScreenPosition{274, 278};
constexpr QSize kClientSize{385, 104};
constexpr QSize kLabelSize{291, 33};
constexpr int kButtonTop = 64;
} // namespace

TfrmABGError::TfrmABGError(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
    , m_icon(new QLabel(this))
    , m_label(new QLabel(this))
    , m_button(new QPushButton(QStringLiteral("&Ok"), this))
{
    setObjectName(QStringLiteral("frmABGError"));
    setWindowTitle(QStringLiteral("ABG ERROR"));
    setModal(true);
    setFixedSize(kClientSize);
    setAutoFillBackground(true);
    // White, as designed, with black text on it whatever the desktop's colours.
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::WindowText, Qt::black);
    setPalette(white);

    // Its picture is drawn when the dialog is first shown: nothing shows it before.
    m_icon->setObjectName(QStringLiteral("Image1"));
    m_icon->setGeometry(16, 16, 32, 32);

    m_label->setObjectName(QStringLiteral("Label1"));
    m_label->setWordWrap(true);
    m_label->setGeometry(QRect(QPoint(64, 12), kLabelSize));
    m_label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    m_button->setObjectName(QStringLiteral("Button1"));
    m_button->setGeometry((kClientSize.width() - 75) / 2, kButtonTop, 75, 25);
    m_button->setDefault(true);
    connect(m_button, &QPushButton::clicked, this, &TfrmABGError::Button1Click);
}

void TfrmABGError::showMessage(const QString &message)
{
    if (m_icon->pixmap().isNull())
        m_icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(32, 32));
    m_label->setText(message);
    // A long sentence may wrap onto more lines than the designed label holds:
    // the label and the dialog grow rather than cut it off.
    const int labelHeight = std::max(kLabelSize.height(), m_label->heightForWidth(kLabelSize.width()));
    const int extra = labelHeight - kLabelSize.height();
    m_label->resize(kLabelSize.width(), labelHeight);
    m_button->move(m_button->x(), kButtonTop + extra);
    setFixedSize(kClientSize.width(), kClientSize.height() + extra);
    move(kScreenPosition);
    exec();
}

void TfrmABGError::Button1Click()
{
    accept();
}
