#pragma once

#include "config/CommsSettings.h"
#include "config/SettingsQuestions.h"

#include <QDialog>

class MessageSink;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

// "Communications Settings": the serial port and its speed, NMEA logging and
// demo playback. It only chooses; ApplyComms does what was chosen.
class CCommsSettingsDlg : public QDialog {
    Q_OBJECT

public:
    CCommsSettingsDlg(const CommsChoice& current, MessageSink& messages,
                      SettingsQuestions questions, QWidget* parent = nullptr);

    // What OK hands back (valid after the dialog was accepted).
    const CommsChoice& Choice() const { return choice; }
    void accept() override;

    // The serial ports this machine has, each as its path and a description,
    // sorted by path.
    struct PortEntry {
        QString path;
        QString description;
    };
    static std::vector<PortEntry> AvailablePorts();
    // Fills the port box: the ports, the current path when it is none of
    // them (a pty, a port unplugged), and "TCP/IP" last, not selectable yet.
    void FillPorts(const std::vector<PortEntry>& ports, const QString& current);

    QComboBox& Ports() const { return *ports; }
    QComboBox& Bauds() const { return *bauds; }
    QCheckBox& Logging() const { return *logging; }
    QLineEdit& LogFile() const { return *logFile; }
    QCheckBox& Demo() const { return *demo; }
    QCheckBox& Loop() const { return *loop; }
    QLineEdit& CaptureFile() const { return *captureFile; }
    QLineEdit& Wait() const { return *wait; }
    QLineEdit& Count() const { return *count; }
    QPushButton& Button(const QString& text) const;

private:
    void UpdateEnabling();
    QString SelectedPort() const;

    CommsChoice choice;
    MessageSink& messages;
    SettingsQuestions questions;
    QComboBox* ports;
    QComboBox* bauds;
    QCheckBox* logging;
    QLineEdit* logFile;
    QCheckBox* demo;
    QCheckBox* loop;
    QLineEdit* captureFile;
    QLineEdit* wait;
    QLineEdit* count;
};
