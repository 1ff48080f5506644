#pragma once

// The page tsNormalValues: the normal blood-gas values and their expected
// ranges, as a static table under a header row.

#include <QWidget>


class NormalValuesPage : public QWidget {
    Q_OBJECT

public:
    explicit NormalValuesPage(QWidget *parent = nullptr);
};
