#include "report/dialogs/OutputOptionsDialog.h"

#include "language/OwnTexts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

OutputOptionsDialog::OutputOptionsDialog(std::string language, QWidget *parent)
    : QDialog(parent)
    , m_preview(new QRadioButton(QStringLiteral("&Preview"), this))
    , m_toPrinter(new QRadioButton(QStringLiteral("P&rinter"), this))
    , m_toFile(new QRadioButton(QStringLiteral("&File (PDF)"), this))
    , m_printerName(new QLabel(this))
    , m_copies(new QSpinBox(this))
    , m_collate(new QCheckBox(QStringLiteral("C&ollate"), this))
    , m_duplex(new QComboBox(this))
    , m_file(new QLineEdit(QDir::home().filePath(QStringLiteral("ABG exercise sheet.pdf")), this))
    , m_language(std::move(language))
{
    setObjectName(QStringLiteral("OutputOptionsDialog"));
    setWindowTitle(QStringLiteral("Output Options"));
    m_preview->setChecked(true);

    const QString printerName = m_printer.printerName();
    m_printerName->setText(printerName.isEmpty() ? QStringLiteral("(no printer installed)") : printerName);
    auto *setup = new QPushButton(QStringLiteral("Printer &Setup..."), this);
    connect(setup, &QPushButton::clicked, this, &OutputOptionsDialog::setUpPrinter);
    m_copies->setRange(1, 999);
    m_collate->setChecked(true);
    m_duplex->addItems({QStringLiteral("One side"), QStringLiteral("Both sides, long edge"),
                        QStringLiteral("Both sides, short edge")});
    auto *browse = new QPushButton(QStringLiteral("&Browse..."), this);
    connect(browse, &QPushButton::clicked, this, &OutputOptionsDialog::browseForFile);

    auto *destination = new QGroupBox(QStringLiteral("Destination"), this);
    auto *destinationLayout = new QVBoxLayout(destination);
    destinationLayout->addWidget(m_preview);
    auto *printerLine = new QHBoxLayout;
    printerLine->addWidget(m_toPrinter);
    printerLine->addWidget(m_printerName, 1);
    printerLine->addWidget(setup);
    destinationLayout->addLayout(printerLine);
    auto *fileLine = new QHBoxLayout;
    fileLine->addWidget(m_toFile);
    fileLine->addWidget(m_file, 1);
    fileLine->addWidget(browse);
    destinationLayout->addLayout(fileLine);

    auto *printing = new QGroupBox(QStringLiteral("Printing"), this);
    auto *printingLayout = new QFormLayout(printing);
    printingLayout->addRow(QStringLiteral("&Copies:"), m_copies);
    printingLayout->addRow(QString(), m_collate);
    printingLayout->addRow(QStringLiteral("&Duplex:"), m_duplex);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &OutputOptionsDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &OutputOptionsDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(destination);
    layout->addWidget(printing);
    layout->addWidget(buttons);

    for (QRadioButton *choice : {m_preview, m_toPrinter, m_toFile})
        connect(choice, &QRadioButton::toggled, this, &OutputOptionsDialog::updateEnabled);
    updateEnabled();
    m_file->setObjectName(QStringLiteral("filePath"));
    fitFileField();
}

void OutputOptionsDialog::fitFileField()
{
    const QScreen *screen = this->screen();
    const int widest = screen ? screen->availableGeometry().width() * 2 / 3 : 800;
    const int needed =
        m_file->fontMetrics().horizontalAdvance(m_file->text()) + 3 * m_file->fontMetrics().averageCharWidth();
    m_file->setMinimumWidth(std::clamp(needed, 300, widest));
    m_file->setToolTip(m_file->text());
    adjustSize();
}

bool OutputOptionsDialog::mayReplace(const QString &path)
{
    if (path == m_confirmedPath || !QFileInfo::exists(path))
        return true;
    const QString question = QString::fromUtf8(halvex::ownText(halvex::OwnText::ReplaceFile, m_language)).arg(path);
    return QMessageBox::question(this, windowTitle(), question, QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
           == QMessageBox::Yes;
}

OutputOptionsDialog::Destination OutputOptionsDialog::destination() const
{
    if (m_toPrinter->isChecked())
        return Destination::Printer;
    return m_toFile->isChecked() ? Destination::File : Destination::Preview;
}

QString OutputOptionsDialog::filePath() const
{
    return m_file->text().trimmed();
}

void OutputOptionsDialog::accept()
{
    if (destination() == Destination::File) {
        if (filePath().isEmpty()) {
            QMessageBox::warning(this, windowTitle(),
                                 QString::fromUtf8(halvex::ownText(halvex::OwnText::NameThePdf, m_language)));
            return;
        }
        if (!mayReplace(filePath()))
            return;
    }
    m_printer.setCopyCount(m_copies->value());
    m_printer.setCollateCopies(m_collate->isChecked());
    const QPrinter::DuplexMode duplex[] = {QPrinter::DuplexNone, QPrinter::DuplexLongSide, QPrinter::DuplexShortSide};
    m_printer.setDuplex(duplex[m_duplex->currentIndex()]);
    QDialog::accept();
}

void OutputOptionsDialog::setUpPrinter()
{
    QPrintDialog dialog(&m_printer, this);
    dialog.setWindowTitle(QStringLiteral("Printer Setup"));
    if (dialog.exec() == QDialog::Accepted) {
        m_printerName->setText(m_printer.printerName());
        m_copies->setValue(m_printer.copyCount());
        m_toPrinter->setChecked(true);
    }
}

void OutputOptionsDialog::browseForFile()
{
    const QString chosen = QFileDialog::getSaveFileName(this, QStringLiteral("Save the sheet as PDF"), m_file->text(),
                                                        QStringLiteral("PDF files (*.pdf)"));
    if (!chosen.isEmpty()) {
        m_file->setText(chosen);
        m_confirmedPath = chosen;
        m_toFile->setChecked(true);
        fitFileField();
    }
}

void OutputOptionsDialog::updateEnabled()
{
    const bool printing = m_toPrinter->isChecked();
    m_copies->setEnabled(printing);
    m_collate->setEnabled(printing);
    m_duplex->setEnabled(printing);
    m_file->setEnabled(m_toFile->isChecked());
}
