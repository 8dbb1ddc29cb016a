#pragma once

#include <QDialog>

class QButtonGroup;

// "TTFF Test Mode Selection": which reset (hot, warm, cold) and how many
// tests, asked before every TTFF window opens.
class CTTFFModeDialog : public QDialog {
    Q_OBJECT

public:
    // `mode` 0 none, 1 hot, 2 warm, 3 cold; `testCount` 0 single, 1
    // continuous, 2 one hundred, 3 two hundred.
    CTTFFModeDialog(int mode, int testCount, QWidget* parent = nullptr);

    int Mode() const;      // 1 to 3
    int TestCount() const; // 0 to 3
    QButtonGroup& Types() const { return *types; }
    QButtonGroup& Counts() const { return *counts; }

private:
    QButtonGroup* types;
    QButtonGroup* counts;
};
