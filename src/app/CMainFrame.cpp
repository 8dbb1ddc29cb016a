#include "app/CMainFrame.h"

#include "app/CChildFrame.h"
#include "app/CDocument.h"
#include "app/CMainStatusBar.h"
#include "app/CNewWindowDialog.h"
#include "app/CView.h"
#include "app/DocumentPrompts.h"
#include "app/DocumentRegistry.h"
#include "app/ToolbarIcons.h"
#include "app/ViewPrinting.h"
#include "app/WindowLayout.h"
#include "link/MessageSink.h"
#include "link/ReceiveThread.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QMdiArea>
#include <QMenuBar>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QToolBar>

namespace {

QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

constexpr int kStatusTickMs = 100;

const char* const kLogFilter = "NMEA Files (*.txt *.log);;All files (*)";

std::optional<WindowType> TypeForFile(const QString& path) {
    const QString suffix = "." + QFileInfo(path).suffix().toLower();
    for (const WindowTypeInfo& info : kWindowTypes) {
        const auto file = FileTypeOf(info.type);
        if (file && suffix == Text(file->extension)) return info.type;
    }
    return std::nullopt;
}

} // namespace

CMainFrame::CMainFrame(ReceiverState& state, ProfileStore& profile, ReceiveThread& receiver,
                       DocumentRegistry& registry, DocumentServices services)
    : state(state), profile(profile), receiver(receiver), registry(registry), services(services),
      area(new QMdiArea(this)), status(new CMainStatusBar(this)),
      windows(*area, registry, services), printer(QPrinter::HighResolution), recent(profile) {
    setWindowTitle(QStringLiteral("Harrowview"));
    resize(1100, 760); // until a saved layout says otherwise
    setWindowIcon(QIcon(QPixmap::fromImage(ApplicationIconImage(64))));
    setCentralWidget(area);
    setStatusBar(status);
    status->SetMessageText(QStringLiteral("Ready"));
    CreateActions();
    CreateMenus();
    CreateToolBar();
    connect(area, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* window) {
        // The caption follows the active window's title, also when it changes.
        if (window)
            connect(window, &QWidget::windowTitleChanged, this, &CMainFrame::UpdateTitle,
                    Qt::UniqueConnection);
        UpdateTitle();
        UpdateCommands();
    });
    askYesNo = [this](const QString& text) {
        return QMessageBox::warning(this, QStringLiteral("Harrowview"), text,
                                    QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
    };
    askLogPath = [this] {
        QFileDialog dialog(this);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setNameFilter(kLogFilter);
        dialog.setDefaultSuffix(QStringLiteral("txt"));
        return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
    };
    timer.setInterval(kStatusTickMs);
    connect(&timer, &QTimer::timeout, this, &CMainFrame::Tick);
    timer.start();
    UpdateCommands();
}

CMainFrame::~CMainFrame() {
    // The child windows go after this object's members: their activation
    // changes must not reach it any more.
    disconnect(area, nullptr, this, nullptr);
}

void CMainFrame::CreateActions() {
    for (const CommandInfo& info : AllCommands()) {
        auto* action = new QAction(Text(info.label), this);
        const QString prompt = Text(info.prompt);
        action->setStatusTip(prompt.section('\n', 0, 0));
        action->setToolTip(prompt.section('\n', 1).trimmed());
        actions[info.command] = action;
        if (info.opens)
            connect(action, &QAction::triggered, this,
                    [this, type = *info.opens] { OpenWindowType(type); });
    }
    // Commands stay visible but greyed until what they open is attached (the
    // settings dialogs by the application), so nothing pretends to work.
    for (Command later : {Command::Communications, Command::GeneralSettings, Command::GpsSettings,
                          Command::NmeaSettings, Command::FirmwareUpgrade, Command::HotStart,
                          Command::WarmStart, Command::ColdStart, Command::SetupGps, Command::Help})
        actions[later]->setEnabled(false);

    connect(Action(Command::New), &QAction::triggered, this, &CMainFrame::ShowNewDialog);
    connect(Action(Command::Open), &QAction::triggered, this, &CMainFrame::ShowOpenDialog);
    connect(Action(Command::Save), &QAction::triggered, this, [this] {
        if (CChildFrame* frame = ActiveFrame()) frame->Document().Save();
    });
    connect(Action(Command::SaveAs), &QAction::triggered, this, [this] {
        CChildFrame* frame = ActiveFrame();
        if (!frame) return;
        CDocument& document = frame->Document();
        const std::string path =
            services.prompts.AskSavePath(document.Filter(), document.DefaultExtension());
        if (!path.empty() && document.SaveAs(path)) recent.Add(path);
    });
    connect(Action(Command::Print), &QAction::triggered, this, [this] { PrintActive(false); });
    connect(Action(Command::PrintPreview), &QAction::triggered, this,
            [this] { PrintActive(true); });
    connect(Action(Command::PrintSetup), &QAction::triggered, this, [this] {
        QPageSetupDialog dialog(&printer, this);
        dialog.exec();
    });
    connect(Action(Command::Exit), &QAction::triggered, this, &QWidget::close);
    connect(Action(Command::StartLogFile), &QAction::triggered, this, &CMainFrame::StartLogFile);
    connect(Action(Command::CloseLogFile), &QAction::triggered, this, &CMainFrame::CloseLogFile);
    connect(Action(Command::About), &QAction::triggered, this, [this] {
        QMessageBox::about(this, QStringLiteral("About Harrowview"),
                           QStringLiteral("Harrowview %1\n\nWatches, tests and configures GPS "
                                          "receivers.\n\nLicensed under the MIT licence.")
                               .arg(QApplication::applicationVersion()));
    });
}

void CMainFrame::CreateMenus() {
    auto addAll = [this](QMenu* menu, std::initializer_list<std::optional<Command>> items) {
        for (const std::optional<Command>& item : items) {
            if (item)
                menu->addAction(Action(*item));
            else
                menu->addSeparator();
        }
    };
    using enum Command;
    QMenu* file = menuBar()->addMenu(tr("&File"));
    addAll(file, {New, Open, Save, SaveAs, std::nullopt, Print, PrintPreview, PrintSetup});
    QAction* beforeExit = file->addSeparator();
    addAll(file, {Exit});
    connect(file, &QMenu::aboutToShow, this,
            [this, file, beforeExit] { FillRecentFiles(*file, beforeExit); });
    addAll(menuBar()->addMenu(tr("&View")),
           {SignalQuality, Navigation, Survey, SkyPlot, CommandMonitor, TtffWindow});
    addAll(menuBar()->addMenu(tr("&Settings")),
           {Communications, GeneralSettings, GpsSettings, NmeaSettings, std::nullopt,
            FirmwareUpgrade, std::nullopt, StartLogFile, CloseLogFile});
    addAll(menuBar()->addMenu(tr("&Receiver")), {HotStart, WarmStart, ColdStart});
    QMenu* windowMenu = menuBar()->addMenu(tr("&Window"));
    windowMenu->addAction(tr("&Cascade"), area, &QMdiArea::cascadeSubWindows);
    windowMenu->addAction(tr("&Tile"), area, &QMdiArea::tileSubWindows);
    addAll(menuBar()->addMenu(tr("&Help")), {Help, About});
}

void CMainFrame::CreateToolBar() {
    auto* bar = addToolBar(tr("Toolbar"));
    bar->setObjectName(QStringLiteral("toolbar"));
    bar->setMovable(false);
    bar->setIconSize(QSize(kToolbarImageSize, kToolbarImageSize));
    for (const Command command : ToolbarCommands()) {
        QAction* action = Action(command);
        action->setIcon(ToolbarIcon(command));
        bar->addAction(action);
        if (QWidget* button = bar->widgetForAction(action)) {
            button->setMinimumWidth(50);
            button->setMaximumWidth(150);
        }
    }
    // The TTFF button is the TTFF window command with the button's own prompt.
    connect(Action(Command::TtffTest), &QAction::triggered, this,
            [this] { OpenWindowType(WindowType::Ttff); });
}

void CMainFrame::UpdateCommands() {
    for (const CommandInfo& info : AllCommands())
        if (info.opens) actions[info.command]->setEnabled(windows.HasTemplate(*info.opens));
    const CChildFrame* frame = ActiveFrame();
    const bool hasFile = frame && frame->Document().HasFile();
    Action(Command::Save)->setEnabled(hasFile);
    Action(Command::SaveAs)->setEnabled(hasFile);
    Action(Command::Open)->setEnabled(!frame || OffersFileOpen(frame->Document().Type()));
    const bool printable = frame && frame->FirstView();
    Action(Command::Print)->setEnabled(printable);
    Action(Command::PrintPreview)->setEnabled(printable);
    const bool logging = Logging();
    Action(Command::StartLogFile)->setEnabled(!logging);
    Action(Command::CloseLogFile)->setEnabled(logging);
}

void CMainFrame::UpdateTitle() {
    const QMdiSubWindow* window = area->currentSubWindow();
    setWindowTitle(window ? QStringLiteral("Harrowview - ") + window->windowTitle()
                          : QStringLiteral("Harrowview"));
}

CChildFrame* CMainFrame::ActiveFrame() const {
    return qobject_cast<CChildFrame*>(area->currentSubWindow());
}

CChildFrame* CMainFrame::OpenWindowType(WindowType type) {
    if (CChildFrame* open = windows.FrameOf(type)) {
        area->setActiveSubWindow(open);
        return open;
    }
    if (ReopenWindowType(windows, profile, type)) return windows.FrameOf(type);
    return windows.Open(type);
}

void CMainFrame::ShowNewDialog() {
    QStringList closed;
    for (const WindowTypeInfo& info : kWindowTypes)
        if (windows.HasTemplate(info.type) && !windows.FrameOf(info.type))
            closed << Text(info.title);
    CNewWindowDialog dialog(closed, this);
    if (dialog.exec() != QDialog::Accepted) return;
    for (const WindowTypeInfo& info : kWindowTypes)
        if (Text(info.title) == dialog.Selected()) OpenWindowType(info.type);
}

void CMainFrame::ShowOpenDialog() {
    if (CChildFrame* frame = ActiveFrame(); frame && frame->Document().FileOpen()) return;
    const QString path = QFileDialog::getOpenFileName(
        this, tr("Open"), QString(),
        QStringLiteral(
            "Mask Files (*.msk);;Path Files (*.pth);;TTFF Files (*.ttf);;All Files (*)"));
    if (!path.isEmpty()) OpenFile(path);
}

void CMainFrame::FillRecentFiles(QMenu& file, QAction* before) {
    for (QAction* action : file.actions())
        if (action->property("recent").toBool()) delete action;
    int number = 0;
    for (const std::string& entry : recent.Entries()) {
        const QString path = QString::fromStdString(entry);
        auto* action = new QAction(QStringLiteral("&%1 %2").arg(++number).arg(path), &file);
        connect(action, &QAction::triggered, this, [this, path] { OpenFile(path); });
        action->setProperty("recent", true);
        file.insertAction(before, action);
    }
    if (number == 0) return;
    auto* separator = new QAction(&file);
    separator->setSeparator(true);
    separator->setProperty("recent", true);
    file.insertAction(before, separator);
}

void CMainFrame::OpenFile(const QString& path) {
    const std::optional<WindowType> type = TypeForFile(path);
    if (!type || !windows.HasTemplate(*type)) {
        services.messages.ShowMessage("Harrowview cannot open " + path.toStdString() +
                                          ": not a file type it knows.",
                                      "ERROR", MessageIcon::Stop);
        return;
    }
    CChildFrame* frame = OpenWindowType(*type);
    if (!frame || !frame->Document().CanClose()) return;
    if (frame->Document().Open(path.toStdString()))
        recent.Add(path.toStdString());
    else
        recent.Remove(path.toStdString());
}

void CMainFrame::PrintActive(bool preview) {
    CChildFrame* frame = ActiveFrame();
    CView* view = frame ? frame->FirstView() : nullptr;
    if (!view) return;
    if (preview)
        PreviewView(*view, printer, this);
    else
        PrintViewWithDialog(*view, printer, this);
}

bool CMainFrame::Logging() const {
    return receiver.Log().IsOpen();
}

void CMainFrame::StartLogFile() {
    if (Logging()) {
        if (!askYesNo(QStringLiteral(
                "You currently are logging to a file. Do you want to restart logging?")))
            return;
        CloseLogFile();
    }
    const QString path = askLogPath();
    if (!path.isEmpty()) {
        auto lock = receiver.LockPass();
        receiver.Log().Create(path.toStdString());
    }
    UpdateCommands();
}

void CMainFrame::CloseLogFile() {
    {
        auto lock = receiver.LockPass();
        receiver.Log().Close();
    }
    UpdateCommands();
}

void CMainFrame::BeginProgress(const QString& message) {
    status->BeginProgress(message);
}
void CMainFrame::SetProgress(int percent) {
    status->SetProgress(percent);
}
void CMainFrame::EndProgress() {
    status->EndProgress();
}

void CMainFrame::Tick() {
    const bool logging = Logging();
    status->Apply(statusModel.Tick(state, logging));
    // The receive thread stops logging by itself when a write fails.
    if (Action(Command::StartLogFile)->isEnabled() == logging) UpdateCommands();
    // So is a receiver that came back after it was unplugged.
    if (const unsigned reconnects = receiver.Reconnects(); reconnects != shownReconnects) {
        shownReconnects = reconnects;
        status->SetMessageText(QStringLiteral("Receiver reconnected"));
    }
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    SaveWindowPlacements(*this, windows, registry, profile);
    area->closeAllSubWindows();
    for (QMdiSubWindow* window : area->subWindowList()) {
        if (window->isVisible()) { // a document the user chose to keep
            event->ignore();
            return;
        }
    }
    timer.stop();
    event->accept();
}
