#pragma once

// A horizontal gauge from 0 to 100 drawn as a glass cylinder filling with
// colour, with its position written as a percentage.

#include <QWidget>

class CylinderGauge : public QWidget {
    Q_OBJECT

public:
    explicit CylinderGauge(QWidget *parent = nullptr);

    int value() const { return m_value; }
    // Pulled into 0 to 100.
    void setValue(int value);
    QString text() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int m_value = 0;
};
