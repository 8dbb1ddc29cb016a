#pragma once

#include "app/LogFileCommands.h"
#include "app/MainCommands.h"
#include "app/RecentFiles.h"
#include "app/StatusBarModel.h"
#include "app/WindowManager.h"

#include <QMainWindow>
#include <QPrinter>
#include <QTimer>

#include <functional>
#include <map>

class CChildFrame;
class CMainStatusBar;
class DocumentRegistry;
class ProfileStore;
class QAction;
class QMenu;
class QMdiArea;
class ReceiveThread;
class ReceiverState;

// The main window: the MDI area for the child windows, the menus and the
// toolbar, and the status bar, which a 100 ms timer keeps showing what the
// receiver last said. It decodes nothing itself; it polls the state.
class CMainFrame : public QMainWindow, public LogFileCommands {
    Q_OBJECT

public:
    CMainFrame(ReceiverState& state, ProfileStore& profile, ReceiveThread& receiver,
               DocumentRegistry& registry, DocumentServices services);
    ~CMainFrame() override;

    WindowManager& Windows() { return windows; }
    QMdiArea& MdiArea() const { return *area; }
    CMainStatusBar& Status() const { return *status; }
    QAction* Action(Command command) const { return actions.at(command); }

    // Opens a window type: brings an open one forward, else reopens it where
    // it was last saved, else opens it at its default place.
    CChildFrame* OpenWindowType(WindowType type);
    // Opens a file in the window of its type (by extension); a file opened
    // goes to the top of the recent-file list, one that fails leaves it.
    void OpenFile(const QString& path);
    const RecentFiles& Recent() const { return recent; }
    // Greys the View and toolbar commands of types that have no template.
    void UpdateCommands();

    // Start / Close Log File.
    bool Logging() const override;
    void StartLogFile() override;
    void CloseLogFile() override;

    // Status-bar progress for long file operations.
    void BeginProgress(const QString& message);
    void SetProgress(int percent);
    void EndProgress();

    // One status-bar tick; the timer calls it every 100 ms.
    void Tick();

    // The questions the main window asks; replaced by tests.
    std::function<bool(const QString& text)> askYesNo;
    std::function<QString()> askLogPath;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateActions();
    void CreateMenus();
    void CreateToolBar();
    void ShowNewDialog();
    void ShowOpenDialog();
    void PrintActive(bool preview);
    // Puts the recent files into the File menu before `before`.
    void FillRecentFiles(QMenu& file, QAction* before);
    CChildFrame* ActiveFrame() const;
    void UpdateTitle();

    ReceiverState& state;
    ProfileStore& profile;
    ReceiveThread& receiver;
    DocumentRegistry& registry;
    DocumentServices services;
    QMdiArea* area;
    CMainStatusBar* status;
    WindowManager windows;
    StatusBarModel statusModel;
    QTimer timer;
    unsigned shownReconnects = 0;
    QPrinter printer;
    std::map<Command, QAction*> actions;
    RecentFiles recent;
};
