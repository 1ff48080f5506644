#pragma once

// The page tsNormalValues: the normal blood-gas values and their expected
// ranges, as a static table under a header row.

#include <QFont>
#include <QWidget>

#include <utility>
#include <vector>

class QLabel;


class NormalValuesPage : public QWidget {
    Q_OBJECT

public:
    explicit NormalValuesPage(QWidget *parent = nullptr);

protected:
    void showEvent(QShowEvent *event) override;

private:
    std::vector<std::pair<QLabel *, QFont>> m_pendingFonts;
};
