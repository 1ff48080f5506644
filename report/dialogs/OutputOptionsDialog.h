#pragma once

// The "Output Options" dialog: where a report goes (preview, printer or a PDF
// file), how many copies, collated or not, on one side or two, and the
// printer's own set-up. Its own messages are in the interface language.

#include <QDialog>
#include <QPrinter>

#include <string>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QSpinBox;

class OutputOptionsDialog : public QDialog {
    Q_OBJECT

public:
    enum class Destination { Preview, Printer, File };

    explicit OutputOptionsDialog(std::string language, QWidget *parent = nullptr);

    Destination destination() const;
    QString filePath() const;
    // The printer as set up here, for the printer destination.
    QPrinter &printer() { return m_printer; }

    void accept() override;

private:
    void setUpPrinter();
    void browseForFile();
    void updateEnabled();
    // Wide enough to read the whole path, up to most of the screen's width.
    void fitFileField();
    // Writing over a file that the file dialog did not offer asks first.
    bool mayReplace(const QString &path);

    QPrinter m_printer{QPrinter::HighResolution};
    QRadioButton *m_preview;
    QRadioButton *m_toPrinter;
    QRadioButton *m_toFile;
    QLabel *m_printerName;
    QSpinBox *m_copies;
    QCheckBox *m_collate;
    QComboBox *m_duplex;
    QLineEdit *m_file;
    std::string m_language;
    QString m_confirmedPath; // chosen through Browse..., whose dialog asked already
};
