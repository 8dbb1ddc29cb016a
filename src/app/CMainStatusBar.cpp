#include "app/CMainStatusBar.h"

#include "app/CLedIndicator.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>

namespace {

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

CMainStatusBar::CMainStatusBar(QWidget* parent) : QStatusBar(parent) {
    messagePane = new QLabel(this);
    addWidget(messagePane, 1);
    progress = new QProgressBar(this);
    progress->setRange(0, 100);
    progress->setTextVisible(false);
    progress->setMaximumHeight(14);
    progress->hide();
    addWidget(progress, 1);

    fixPane = AddPane(kInitialFixText, 0);

    // The receive LED's pane is 16 pixels wide and holds nothing else.
    receivePane = new QWidget(this);
    receivePane->setFixedWidth(kLedCellSize);
    auto* receiveLayout = new QHBoxLayout(receivePane);
    receiveLayout->setContentsMargins(0, 0, 0, 0);
    receiveLed = new CLedIndicator(kReceiveLedStyle, receivePane);
    receiveLayout->addWidget(receiveLed);
    addPermanentWidget(receivePane);

    timePane = AddPane(kInitialTimeText, 0);

    logPane = AddPane(kLogPaneText, 0);
    auto* logLayout = new QHBoxLayout(logPane);
    logLayout->setContentsMargins(0, 0, 0, 0);
    logLayout->addStretch(1);
    logLed = new CLedIndicator(kLogLedStyle, logPane);
    logLed->setFixedSize(kLedCellSize, kLedCellSize);
    logLayout->addWidget(logLed);
    // The pane is sized by its text; the LED takes its right-most 16 pixels.
    logPane->setMinimumWidth(logPane->fontMetrics().horizontalAdvance(FromUtf8(kLogPaneText)) +
                             kLedCellSize);
}

QLabel* CMainStatusBar::AddPane(std::string_view initialText, int stretch) {
    auto* pane = new QLabel(FromUtf8(initialText), this);
    pane->setFrameShape(QFrame::Panel);
    pane->setFrameShadow(QFrame::Sunken);
    // The initial text sizes the pane, as it does for the fix pane's longest
    // usual text.
    pane->setMinimumWidth(pane->fontMetrics().horizontalAdvance(pane->text()) + 8);
    addPermanentWidget(pane, stretch);
    return pane;
}

void CMainStatusBar::Apply(const StatusUpdate& update) {
    if (update.receiveLed) receiveLed->SetMode(*update.receiveLed);
    if (update.logLed) logLed->SetMode(*update.logLed);
    if (update.timeText) {
        timePane->setText(FromUtf8(*update.timeText));
        ++timeWrites;
    }
    if (update.fixText) {
        fixPane->setText(FromUtf8(*update.fixText));
        ++fixWrites;
    }
}

QString CMainStatusBar::MessageText() const {
    return messagePane->text();
}
void CMainStatusBar::SetMessageText(const QString& text) {
    messagePane->setText(text);
}
QString CMainStatusBar::FixText() const {
    return fixPane->text();
}
QString CMainStatusBar::TimeText() const {
    return timePane->text();
}

void CMainStatusBar::BeginProgress(const QString& message) {
    messagePane->setText(message);
    messagePane->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Preferred);
    progress->setValue(0);
    progress->show();
}

void CMainStatusBar::SetProgress(int percent) {
    progress->setValue(std::clamp(percent, 0, 100));
}

void CMainStatusBar::EndProgress() {
    progress->hide();
    messagePane->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    messagePane->setText(QStringLiteral("Done."));
}

bool CMainStatusBar::ProgressShown() const {
    return !progress->isHidden();
}
int CMainStatusBar::Progress() const {
    return progress->value();
}
