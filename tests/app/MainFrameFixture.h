#pragma once

// A main window on an in-memory profile and an unstarted receive thread,
// with simple documents standing in for the real window types.
#include "TestAppContext.h"
#include "app/CChildFrame.h"
#include "app/CMainFrame.h"
#include "app/CView.h"
#include "app/DocumentRegistry.h"

#include <QCoreApplication>
#include <QMdiArea>

#include <gtest/gtest.h>

#include <memory>

class MainFrameTest : public testing::Test, protected TestAppContext {
protected:
    MainFrameTest() { frame = MakeFrame(); }

    std::unique_ptr<CMainFrame> MakeFrame() {
        auto made = std::make_unique<CMainFrame>(state, profile, receiver, registry,
                                                 DocumentServices{sink, prompts});
        for (WindowType type : {WindowType::SignalQuality, WindowType::SkyPlot,
                                WindowType::Navigation, WindowType::CommandMonitor})
            made->Windows().AddTemplate(DocumentTemplate(
                type,
                [type](DocumentServices services) {
                    return std::make_unique<TextDocument>(type, services);
                },
                [](CDocument& document) -> QWidget* { return new CView(document, 1000); }));
        made->UpdateCommands();
        return made;
    }

    // Closes the main window as the user would, saving the layout, and lets
    // the closed windows go.
    void CloseFrame() {
        frame->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        frame.reset();
    }

    DocumentRegistry registry;
    std::unique_ptr<CMainFrame> frame;
};
