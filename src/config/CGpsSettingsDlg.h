#pragma once

#include "config/InitStrings.h"
#include "config/SettingsQuestions.h"

#include <QDialog>
#include <QTimer>

class CReceiverPort;
class MessageSink;
class ProfileStore;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class ReceiverState;
struct StartupSettings;

// What the GPS settings dialog works on: the profile and the process-wide
// model settings it changes, the port it sends through, the state whose
// reply queue it shows, and where it reports.
struct GpsSettingsLinks {
    ProfileStore& profile;
    StartupSettings& settings;
    ReceiverState& state;
    CReceiverPort& port;
    MessageSink& messages;
    QWidget* mainWindow = nullptr; // disabled while strings are sent
};

// "GPS Settings": the receiver model, up to ten initialisation strings typed
// or taken from the model's command catalogue, .gps files, Apply (store and
// send) and the receiver's replies. Only Cancel closes it.
class CGpsSettingsDlg : public QDialog {
    Q_OBJECT

public:
    CGpsSettingsDlg(GpsSettingsLinks links, SettingsQuestions questions, QWidget* parent = nullptr);

    // The buttons' actions, public so tests drive them without clicks.
    void SelectModel(int model);
    void SelectDescription(int index);
    void Add();
    void MoveUp();
    void MoveDown();
    void Delete();
    void Edit();
    void Load();
    void Save();
    void Apply();
    void TakeReplies(); // the response timer's tick

    QComboBox& Models() const { return *models; }
    QComboBox& Descriptions() const { return *descriptions; }
    QLineEdit& CommandText() const { return *command; }
    QCheckBox& Cr() const { return *cr; }
    QCheckBox& Lf() const { return *lf; }
    QCheckBox& StartupInit() const { return *startup; }
    QListWidget& Strings() const { return *strings; }
    QListWidget& Responses() const { return *responses; }
    QPushButton& Button(const QString& text) const;
    const InitStringList& List() const { return list; }
    bool NotYetAdded() const { return notYetAdded; }
    int HelpContext() const { return helpContext; }

private:
    void BuildControls();
    void ShowList(int select);
    void UpdateEnabling();

    GpsSettingsLinks links;
    SettingsQuestions questions;
    InitStringList list;
    bool notYetAdded = false;
    int helpContext = 0;
    int model = 4;
    QTimer responseTimer;

    QComboBox* models;
    QCheckBox* startup;
    QComboBox* descriptions;
    QLineEdit* command;
    QCheckBox* cr;
    QCheckBox* lf;
    QListWidget* strings;
    QListWidget* responses;
};
