#pragma once

#include <QDialog>
#include <QString>

class QLabel;
class QProgressBar;
class QPushButton;

// The progress window of long receiver operations (initialisation strings,
// resets, firmware upgrade). Modeless, but the main window is disabled while
// it exists, so nothing else talks to the receiver meanwhile.
class CProgressDlg : public QDialog {
    Q_OBJECT

public:
    explicit CProgressDlg(QWidget* owner,
                          const QString& caption = QStringLiteral("Initializing GPS..."));
    ~CProgressDlg() override;

    void SetStatus(const QString& text);
    void SetRange(int lower, int upper);
    void SetStep(int step) { this->step = step; }
    void EnableCancel(bool enable = true);
    // Lets pending events run, then advances the bar by the step.
    void Step();
    // Moves the bar to `value` (clamped to the range) without a step.
    void SetPosition(int value);
    // Lets pending events run, then says whether Cancel was pressed.
    bool CheckCancel();

    QString PercentText() const;
    QString StatusText() const;
    int Position() const { return position; }

private:
    void ShowPosition();

    QWidget* owner;
    QLabel* status;
    QLabel* percent;
    QProgressBar* bar;
    QPushButton* cancel;
    int lower = 0;
    int upper = 100;
    int step = 10;
    int position = 0;
    bool cancelled = false;
};
