#pragma once

// A label that can be clicked, as a link: it shows the hand pointer, Tab
// reaches it, Space opens it, and it shows a focus frame while it has the
// keyboard focus. A mouse click does not give it the focus. It paints its one
// line of text itself, as a label does: a QLabel that takes the focus keeps
// its text in a text document, laid out again at every change of text or font.

#include <QWidget>

class ClickableLabel : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString text READ text WRITE setText)

public:
    explicit ClickableLabel(QWidget *parent = nullptr);

    QString text() const { return m_text; }
    void setText(const QString &text);

    // What a click does; also what Space and the accessibility action do.
    void activate();

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    QString m_text;
};
