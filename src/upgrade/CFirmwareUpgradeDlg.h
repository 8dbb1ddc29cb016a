#pragma once

#include <QDialog>

#include <functional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

// "Firmware Upgrade": the S-record file to send, behind a check box that
// must be ticked first and a caution.
class CFirmwareUpgradeDlg : public QDialog {
    Q_OBJECT

public:
    using AskPath = std::function<QString()>;
    explicit CFirmwareUpgradeDlg(AskPath askPath, QWidget* parent = nullptr);

    QString FileName() const;

    QCheckBox* enable;
    QLineEdit* file;
    QPushButton* browse;
    QLabel* caution;
};
