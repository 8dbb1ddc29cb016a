#pragma once

#include "app/StatusBarModel.h"

#include <QStatusBar>

class CLedIndicator;
class QLabel;
class QProgressBar;

// The main window's status bar: the message pane, the fix pane, the receive
// LED's pane, the time pane and the log pane with the logging LED in its
// right-most 16 pixels, plus a progress bar for long file operations.
class CMainStatusBar : public QStatusBar {
    Q_OBJECT

public:
    explicit CMainStatusBar(QWidget* parent = nullptr);

    // Shows what a timer tick changed, and nothing else.
    void Apply(const StatusUpdate& update);

    QString MessageText() const;
    void SetMessageText(const QString& text);
    QString FixText() const;
    QString TimeText() const;
    const CLedIndicator& ReceiveLed() const { return *receiveLed; }
    const CLedIndicator& LogLed() const { return *logLed; }
    // How often each pane was written since creation: a pane is rewritten
    // only when its content changes.
    int FixWrites() const { return fixWrites; }
    int TimeWrites() const { return timeWrites; }

    // Long operations: the bar appears right of the message, steps from 0 to
    // 100, and "Done." replaces the message at the end.
    void BeginProgress(const QString& message);
    void SetProgress(int percent);
    void EndProgress();
    bool ProgressShown() const;
    int Progress() const;

private:
    QLabel* AddPane(std::string_view initialText, int stretch);

    QLabel* messagePane;
    QProgressBar* progress;
    QLabel* fixPane;
    QWidget* receivePane;
    QLabel* timePane;
    QLabel* logPane;
    CLedIndicator* receiveLed;
    CLedIndicator* logLed;
    int fixWrites = 0;
    int timeWrites = 0;
};
