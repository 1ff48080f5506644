#pragma once

// A numeric input field with fixed decimals. Unlike QDoubleSpinBox it lets the
// user type any number freely (a pH typed as "735" is fixed up by its owner when
// the focus leaves), reads and writes "." whatever the locale, and pulls a value
// into its limits only when written or when the focus leaves.

#include <QAbstractSpinBox>

#include <functional>

class NumericSpinField : public QAbstractSpinBox {
    Q_OBJECT
    // What screen readers read through the accessibility value interface.
    Q_PROPERTY(double value READ value WRITE setValue)
    Q_PROPERTY(double minimum READ minimum)
    Q_PROPERTY(double maximum READ maximum)
    Q_PROPERTY(double stepSize READ singleStep)

public:
    explicit NumericSpinField(QWidget *parent = nullptr);

    // The number the text reads; the minimum when it reads as none (the empty text included).
    double value() const;
    // Pulls the value into the limits and shows it with the field's decimals.
    void setValue(double value);
    bool isEmpty() const;
    // Puts a text into the field as if typed, without pulling it into the limits.
    void setText(const QString &text);

    double minimum() const { return m_minimum; }
    double maximum() const { return m_maximum; }
    void setRange(double minimum, double maximum);

    // Rewrites the value with the new number of decimals.
    void setDecimals(int decimals);

    double singleStep() const { return m_step; }
    void setSingleStep(double step) { m_step = step; }

    // A whole-number field accepts neither a decimal point nor an exponent.
    void setWholeNumbers(bool whole);

    // The most characters the field takes; it asks for room to show that many digits whole.
    void setMaxLength(int length);

    // Wide enough for as many digits as the field takes, beside the buttons and
    // inside the frame that its style draws, however wide these are.
    QSize minimumSizeHint() const override;

    // Runs when the focus leaves, before the value is pulled into the limits.
    void setExitHandler(std::function<void()> handler) { m_exitHandler = std::move(handler); }

    QValidator::State validate(QString &input, int &pos) const override;
    void fixup(QString &input) const override;
    void stepBy(int steps) override;

signals:
    // A key or a step was refused, and the field beeped.
    void refused();
    // The user changed the value: typed into the field, stepped it, or left it
    // with a value the field then pulled into its limits.
    void edited();

protected:
    StepEnabled stepEnabled() const override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    bool isAllowedCharacter(QChar c) const;
    void refuse();

    double m_minimum = 0;
    double m_maximum = 100;
    int m_decimals = 0;
    double m_step = 1;
    bool m_wholeNumbers = false;
    int m_maxLength = 0;
    std::function<void()> m_exitHandler;
};
