#include "config/CGpsSettingsDlg.h"

#include "app/StartupSettings.h"
#include "config/CommandCatalogue.h"
#include "config/GpsConfigFile.h"
#include "config/HelpWindow.h"
#include "config/InitSending.h"
#include "link/MessageSink.h"
#include "nmea/ReceiverState.h"
#include "profile/ProfileStore.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int kResponseTickMs = 1000;
const QString kFilter = QStringLiteral("GPS Config Files (*.gps);;All Files (*)");

QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

bool HasCatalogue(int model) {
    return !CatalogueFor(model).empty();
}

} // namespace

CGpsSettingsDlg::CGpsSettingsDlg(GpsSettingsLinks links, SettingsQuestions questions,
                                 QWidget* parent)
    : QDialog(parent), links(links), questions(std::move(questions)) {
    setWindowTitle(QStringLiteral("GPS Settings"));
    BuildControls();
    list.LoadFromProfile(links.profile);
    ShowList(-1);
    model = links.settings.gpsModel;
    startup->setChecked(links.settings.gpsInitEnable == 1);
    SelectModel(model);
    // Replies from before the dialog opened answer nothing asked here.
    links.state.TakeReplies();
    responseTimer.setInterval(kResponseTickMs);
    connect(&responseTimer, &QTimer::timeout, this, &CGpsSettingsDlg::TakeReplies);
    responseTimer.start();
}

void CGpsSettingsDlg::BuildControls() {
    models = new QComboBox(this);
    models->addItems({QStringLiteral("Kestra 50"), QStringLiteral("Kestra 100"),
                      QStringLiteral("Kestra Base Station"), QStringLiteral("Kestra 3000"),
                      QStringLiteral("Generic")});
    startup = new QCheckBox(QStringLiteral("Enable GPS Initialization on start-up"), this);
    descriptions = new QComboBox(this);
    descriptions->setEditable(true);
    descriptions->setInsertPolicy(QComboBox::NoInsert);
    descriptions->setMinimumContentsLength(48);
    command = new QLineEdit(this);
    cr = new QCheckBox(QStringLiteral("CR"), this);
    lf = new QCheckBox(QStringLiteral("LF"), this);
    strings = new QListWidget(this);
    responses = new QListWidget(this);

    auto button = [this](const QString& text, void (CGpsSettingsDlg::*action)()) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(text);
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, action);
        return b;
    };
    auto* add = button(QStringLiteral("Add"), &CGpsSettingsDlg::Add);
    auto* help = new QPushButton(QStringLiteral("Help"), this);
    help->setObjectName(QStringLiteral("Help"));
    help->setAutoDefault(false);
    connect(help, &QPushButton::clicked, this,
            [this] { ShowCommandHelp(this, model, helpContext - kHelpContextBase); });

    connect(models, &QComboBox::activated, this, [this](int index) { SelectModel(index); });
    connect(startup, &QCheckBox::clicked, this, [this] { SelectModel(models->currentIndex()); });
    connect(descriptions, &QComboBox::activated, this,
            [this](int index) { SelectDescription(index); });
    connect(command, &QLineEdit::textEdited, this, [this] { notYetAdded = true; });

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("GPS Receiver Model:"), this), 0, 0);
    grid->addWidget(models, 0, 1);
    grid->addWidget(startup, 0, 2, 1, 2);
    grid->addWidget(descriptions, 1, 0, 1, 3);
    grid->addWidget(help, 1, 3);
    grid->addWidget(command, 2, 0, 1, 2);
    auto* ends = new QHBoxLayout;
    ends->addWidget(cr);
    ends->addWidget(lf);
    grid->addLayout(ends, 2, 2);
    grid->addWidget(add, 2, 3);

    auto* listButtons = new QVBoxLayout;
    listButtons->addWidget(button(QStringLiteral("Move Up"), &CGpsSettingsDlg::MoveUp));
    listButtons->addWidget(button(QStringLiteral("Move Down"), &CGpsSettingsDlg::MoveDown));
    listButtons->addWidget(button(QStringLiteral("Delete"), &CGpsSettingsDlg::Delete));
    listButtons->addWidget(button(QStringLiteral("Edit"), &CGpsSettingsDlg::Edit));
    listButtons->addStretch();
    grid->addWidget(
        new QLabel(QStringLiteral("GPS Receiver Specific Initialization String:"), this), 3, 0, 1,
        4);
    grid->addWidget(strings, 4, 0, 1, 3);
    grid->addLayout(listButtons, 4, 3);

    auto* replyBox = new QGroupBox(QStringLiteral("Command Response"), this);
    (new QVBoxLayout(replyBox))->addWidget(responses);
    grid->addWidget(replyBox, 5, 0, 1, 4);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(button(QStringLiteral("LOAD"), &CGpsSettingsDlg::Load));
    bottom->addWidget(button(QStringLiteral("SAVE"), &CGpsSettingsDlg::Save));
    bottom->addStretch();
    bottom->addWidget(button(QStringLiteral("Apply"), &CGpsSettingsDlg::Apply));
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("Cancel"));
    cancel->setAutoDefault(false);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    bottom->addWidget(cancel);
    grid->addLayout(bottom, 6, 0, 1, 4);
    setLayout(grid);
}

QPushButton& CGpsSettingsDlg::Button(const QString& text) const {
    return *findChild<QPushButton*>(text);
}

void CGpsSettingsDlg::ShowList(int select) {
    strings->clear();
    for (const std::string& entry : list.Displays())
        strings->addItem(QString::fromStdString(entry));
    if (select >= 0 && select < strings->count()) strings->setCurrentRow(select);
}

void CGpsSettingsDlg::SelectModel(int index) {
    model = index;
    models->setCurrentIndex(index >= 0 && index < models->count() ? index : -1);
    const bool catalogue = HasCatalogue(model);
    if (catalogue) {
        descriptions->clear();
        helpContext = 0;
        for (const CatalogueEntry& entry : CatalogueFor(model))
            descriptions->addItem(Text(entry.description));
        descriptions->setCurrentIndex(-1);
    }
    descriptions->setEnabled(catalogue);
    responses->setEnabled(catalogue);
    UpdateEnabling();
}

void CGpsSettingsDlg::UpdateEnabling() {
    for (QWidget* w : std::initializer_list<QWidget*>{
             command, cr, lf, strings, &Button(QStringLiteral("Add")),
             &Button(QStringLiteral("Edit")), &Button(QStringLiteral("Move Up")),
             &Button(QStringLiteral("Move Down")), &Button(QStringLiteral("Delete"))})
        w->setEnabled(true);
    Button(QStringLiteral("Help")).setEnabled(helpContext != 0 && HasCatalogue(model));
}

void CGpsSettingsDlg::SelectDescription(int index) {
    descriptions->setCurrentIndex(index < descriptions->count() ? index : -1);
    cr->setChecked(true);
    lf->setChecked(true);
    Button(QStringLiteral("Add")).setFocus();
    helpContext = kHelpContextBase + index;
    Button(QStringLiteral("Help")).setEnabled(true);
    if (const auto text = DefaultCommand(model, index)) {
        command->setText(QString::fromStdString(*text));
    } else {
        cr->setChecked(false);
        lf->setChecked(false);
    }
    notYetAdded = true;
}

void CGpsSettingsDlg::Add() {
    if (!list.Add(command->text().toStdString(), cr->isChecked(), lf->isChecked())) return;
    ShowList(list.Count() - 1);
    notYetAdded = false;
}

void CGpsSettingsDlg::MoveUp() {
    const int row = strings->currentRow();
    if (row > 0 && list.MoveUp(row)) ShowList(row - 1);
}

void CGpsSettingsDlg::MoveDown() {
    const int row = strings->currentRow();
    if (row >= 0 && list.MoveDown(row)) ShowList(row + 1);
}

void CGpsSettingsDlg::Delete() {
    const int row = strings->currentRow();
    if (row >= 0) ShowList(list.Delete(row));
}

void CGpsSettingsDlg::Edit() {
    const int row = strings->currentRow();
    if (row >= 0) {
        if (const std::optional<InitCommand> entry = list.Edit(row)) {
            command->setText(QString::fromStdString(entry->text));
            cr->setChecked(entry->cr);
            lf->setChecked(entry->lf);
        }
        ShowList(std::min(row, list.Count() - 1));
    }
    notYetAdded = true;
}

void CGpsSettingsDlg::Load() {
    const QString path = questions.openPath(kFilter, QStringLiteral("gps"));
    if (path.isEmpty()) return;
    const GpsFileRead read = ReadGpsFile(path.toStdString());
    if (!read.error.empty()) {
        links.messages.ShowMessage("Cannot Open File\n\n" + read.error, "ERROR", MessageIcon::Stop);
        return;
    }
    list.Assign(read.rawStrings);
    ShowList(-1);
    links.messages.ShowMessage("File \"" + QFileInfo(path).fileName().toStdString() + "\" Loaded",
                               "SUCCESS", MessageIcon::Information);
}

void CGpsSettingsDlg::Save() {
    const QString path = questions.savePath(kFilter, QStringLiteral("gps"));
    if (path.isEmpty()) return;
    std::string error;
    if (!WriteGpsFile(path.toStdString(), list.Slots(), error)) {
        links.messages.ShowMessage("Cannot Open File\n\n" + error, "ERROR", MessageIcon::Stop);
        return;
    }
    links.messages.ShowMessage("File \"" + QFileInfo(path).fileName().toStdString() + "\" Saved",
                               "SUCCESS", MessageIcon::Information);
}

void CGpsSettingsDlg::Apply() {
    responses->clear();
    if (notYetAdded &&
        questions.yesNo(QStringLiteral("You have a message which has not been added to the "
                                       "List.\n  Do you wish to Add this before Initialisation"),
                        QStringLiteral("Warning")))
        Add();
    links.settings.gpsModel = models->currentIndex();
    links.settings.gpsInitEnable = startup->isChecked() ? 1 : 0;
    links.profile.SetInt(kGpsSection, "GPSModel", links.settings.gpsModel);
    links.profile.SetInt(kGpsSection, "GPSInitEnable", links.settings.gpsInitEnable);
    list.SaveToProfile(links.profile);
    SendInitStringsShowingProgress(links.mainWindow, links.port, list.Slots(),
                                   links.settings.gpsModel);
}

void CGpsSettingsDlg::TakeReplies() {
    for (const std::string& reply : links.state.TakeReplies())
        responses->addItem(QString::fromStdString(reply));
    if (responses->count() > 0) responses->scrollToBottom();
}
