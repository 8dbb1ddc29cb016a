#pragma once

#include "link/MessageSink.h"

#include <QMessageBox>
#include <QObject>
#include <QString>

// Messages the user must see, as message boxes: text and caption exactly as
// given (plain text, never read as markup), an OK button, and the icon named
// (Stop: critical, Exclamation: warning, Information, Question, None: no
// icon). An empty caption leaves the title empty. Beep is QApplication::beep().
//
// Any thread may call ShowMessage and Beep. On the UI thread the box is modal
// and ShowMessage returns when the user has closed it. From any other thread
// the box (or the beep) is posted to the UI thread and the call returns at
// once, so the receive thread never waits for the user; the box appears when
// the UI thread next processes events. Posted boxes not yet shown when the
// sink is destroyed are dropped.
//
// Create and destroy the sink on the UI thread, once the QApplication exists,
// and keep it alive for as long as other threads may call it.
class QtMessageSink : public MessageSink {
public:
    QtMessageSink() = default;

    void ShowMessage(std::string_view text, std::string_view caption, MessageIcon icon) override;
    void Beep() override;

protected:
    // Called on the UI thread with the box ready; shows it and returns when it
    // is closed (exec()). Tests override these two to watch.
    virtual void Present(QMessageBox& box);
    virtual void Sound();

private:
    void Show(const QString& text, const QString& caption, MessageIcon icon);
    bool OnUiThread() const;

    QObject uiThread; // has the thread the sink was made on; posted calls go to it
};
