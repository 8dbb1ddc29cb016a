#include "config/CCommsSettingsDlg.h"

#include "app/CPropertySheet.h"
#include "link/MessageSink.h"
#include "link/ReceiverPort.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSerialPortInfo>
#include <QStandardItemModel>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int kBauds[] = {1200, 2400, 4800, 9600, 19200, 38400, 57600, 115200};
const QString kNetworkEntry = QStringLiteral("TCP/IP");
const QString kNmeaFilter = QStringLiteral("NMEA Files (*.txt *.log);;All files (*)");

QString Std(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

std::vector<CCommsSettingsDlg::PortEntry> CCommsSettingsDlg::AvailablePorts() {
    std::vector<PortEntry> found;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
        found.push_back({info.systemLocation(), info.description()});
    std::sort(found.begin(), found.end(),
              [](const PortEntry& a, const PortEntry& b) { return a.path < b.path; });
    return found;
}

CCommsSettingsDlg::CCommsSettingsDlg(const CommsChoice& current, MessageSink& messages,
                                     SettingsQuestions questions, QWidget* parent)
    : QDialog(parent), choice(current), messages(messages), questions(std::move(questions)),
      ports(new QComboBox(this)), bauds(new QComboBox(this)),
      logging(new QCheckBox(QStringLiteral("Enable Logging"), this)),
      logFile(new QLineEdit(Std(current.logFile), this)),
      demo(new QCheckBox(QStringLiteral("Enable Demo Mode"), this)),
      loop(new QCheckBox(QStringLiteral("Continuous Loop"), this)),
      captureFile(new QLineEdit(Std(current.captureFile), this)),
      wait(new QLineEdit(QString::number(current.waitMs), this)),
      count(new QLineEdit(QString::number(current.count), this)) {
    setWindowTitle(QStringLiteral("Communications Settings"));
    ports->setEditable(true);
    ports->setInsertPolicy(QComboBox::NoInsert);
    ports->setMinimumContentsLength(32);
    FillPorts(AvailablePorts(), Std(current.port));
    for (int baud : kBauds)
        bauds->addItem(QString::number(baud), baud);
    bauds->setCurrentIndex(bauds->findData(current.baud)); // none for an odd speed

    auto button = [this](const QString& text) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(text);
        b->setAutoDefault(false);
        return b;
    };
    QPushButton* browseLog = button(QStringLiteral("..."));
    QPushButton* browse = button(QStringLiteral("Browse..."));
    QPushButton* closeFile = button(QStringLiteral("Close Current File"));
    connect(browseLog, &QPushButton::clicked, this, [this] {
        const QString path = this->questions.savePath(kNmeaFilter, QStringLiteral("txt"));
        if (!path.isEmpty()) logFile->setText(path);
    });
    connect(browse, &QPushButton::clicked, this, [this] {
        const QString path = this->questions.openPath(kNmeaFilter, QStringLiteral("txt"));
        if (!path.isEmpty()) captureFile->setText(path);
    });
    // Takes effect on OK: Cancel leaves the file playing.
    connect(closeFile, &QPushButton::clicked, captureFile, &QLineEdit::clear);
    connect(logging, &QCheckBox::toggled, this, &CCommsSettingsDlg::UpdateEnabling);
    connect(demo, &QCheckBox::toggled, this, &CCommsSettingsDlg::UpdateEnabling);

    auto* portGrid = new QGridLayout;
    portGrid->addWidget(new QLabel(QStringLiteral("Com Port:"), this), 0, 0);
    portGrid->addWidget(ports, 0, 1);
    portGrid->addWidget(new QLabel(QStringLiteral("Baud Rate:"), this), 1, 0);
    portGrid->addWidget(bauds, 1, 1);

    auto* logBox = new QGroupBox(QStringLiteral("NMEA File Logging"), this);
    auto* logGrid = new QGridLayout(logBox);
    logGrid->addWidget(logging, 0, 0, 1, 3);
    logGrid->addWidget(new QLabel(QStringLiteral("File Name:"), this), 1, 0);
    logGrid->addWidget(logFile, 1, 1);
    logGrid->addWidget(browseLog, 1, 2);

    auto* demoBox = new QGroupBox(QStringLiteral("Demo Mode"), this);
    auto* demoGrid = new QGridLayout(demoBox);
    demoGrid->addWidget(demo, 0, 0);
    demoGrid->addWidget(loop, 0, 1);
    auto* explanation = new QLabel(
        QStringLiteral("Harrowview can operate without a GPS receiver. Using captured NMEA data, "
                       "Harrowview will read the NMEA data (standard text file) and react to "
                       "NMEA commands. Use the BROWSE button to load a NEMA data file."),
        this);
    explanation->setWordWrap(true);
    demoGrid->addWidget(explanation, 1, 0, 1, 3);
    demoGrid->addWidget(browse, 2, 0);
    demoGrid->addWidget(closeFile, 2, 1);
    demoGrid->addWidget(new QLabel(QStringLiteral("NMEA Capture File:"), this), 3, 0);
    demoGrid->addWidget(captureFile, 3, 1, 1, 2);
    auto* pacing = new QHBoxLayout;
    pacing->addWidget(new QLabel(QStringLiteral("Wait"), this));
    pacing->addWidget(wait);
    pacing->addWidget(new QLabel(QStringLiteral("ms every"), this));
    pacing->addWidget(count);
    pacing->addWidget(new QLabel(QStringLiteral("NMEA sentence(s)"), this));
    demoGrid->addLayout(pacing, 4, 0, 1, 3);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(portGrid);
    layout->addWidget(logBox);
    layout->addWidget(demoBox);
    layout->addWidget(buttons);

    logging->setChecked(current.logging);
    demo->setChecked(current.demo);
    loop->setChecked(current.loop);
    UpdateEnabling();
}

void CCommsSettingsDlg::FillPorts(const std::vector<PortEntry>& entries, const QString& current) {
    ports->clear();
    for (const PortEntry& entry : entries)
        ports->addItem(entry.description.isEmpty()
                           ? entry.path
                           : QStringLiteral("%1  (%2)").arg(entry.path, entry.description),
                       entry.path);
    const bool network = CReceiverPort::IsNetworkPort(current.toStdString());
    if (!network && !current.isEmpty() && ports->findData(current) < 0)
        ports->insertItem(0, current, current);
    ports->addItem(kNetworkEntry, QString::fromUtf8(CReceiverPort::kNetworkPort.data(),
                                                    CReceiverPort::kNetworkPort.size()));
    // The network link comes with the chat room connection; until then it
    // is shown but cannot be chosen.
    if (auto* model = qobject_cast<QStandardItemModel*>(ports->model()))
        model->item(ports->count() - 1)->setEnabled(false);
    ports->setCurrentIndex(std::max(0, ports->findData(current)));
}

QPushButton& CCommsSettingsDlg::Button(const QString& text) const {
    return *findChild<QPushButton*>(text);
}

void CCommsSettingsDlg::UpdateEnabling() {
    const bool playing = demo->isChecked();
    ports->setEnabled(!playing);
    bauds->setEnabled(!playing);
    for (QWidget* w : std::initializer_list<QWidget*>{
             &Button(QStringLiteral("Browse...")), captureFile,
             &Button(QStringLiteral("Close Current File")), wait, count, loop})
        w->setEnabled(playing);
    logFile->setEnabled(logging->isChecked());
    Button(QStringLiteral("...")).setEnabled(logging->isChecked());
}

// An entry picked from the list gives its path; text typed in the box is a
// path as it stands.
QString CCommsSettingsDlg::SelectedPort() const {
    const QString text = ports->currentText().trimmed();
    const int index = ports->findText(text);
    return index >= 0 ? ports->itemData(index).toString() : text;
}

void CCommsSettingsDlg::accept() {
    const auto waitMs = ValidatedInteger(*wait, 0, 1000, messages);
    if (!waitMs) return;
    const auto every = ValidatedInteger(*count, 1, 100, messages);
    if (!every) return;
    if (!demo->isChecked() && SelectedPort().isEmpty()) {
        messages.ShowMessage("Choose a serial port, or type its path.", "Harrowview",
                             MessageIcon::Exclamation);
        ports->setFocus();
        return;
    }
    // The network link is not built yet: "99999" typed in cannot select it.
    if (!demo->isChecked() && CReceiverPort::IsNetworkPort(SelectedPort().toStdString())) {
        messages.ShowMessage("The network link is not available yet. Choose a serial port.",
                             "Harrowview", MessageIcon::Exclamation);
        ports->setFocus();
        return;
    }
    choice.port = SelectedPort().toStdString();
    choice.baud = bauds->currentIndex() >= 0 ? bauds->currentData().toInt() : 0;
    choice.logging = logging->isChecked();
    choice.logFile = logFile->text().toStdString();
    choice.demo = demo->isChecked();
    choice.captureFile = captureFile->text().toStdString();
    choice.loop = loop->isChecked();
    choice.waitMs = *waitMs;
    choice.count = *every;
    QDialog::accept();
}
