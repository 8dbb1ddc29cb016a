#include "app/QtMessageSink.h"

#include "QStringPrinter.h"
#include "QtWait.h"

#include "support/Wait.h"

#include <QAbstractButton>
#include <QApplication>
#include <QThread>
#include <QTimer>

#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace {

// What the boxes looked like, and on which thread they and the beeps came,
// instead of waiting for a user to close them.
class WatchedSink : public QtMessageSink {
public:
    struct Box {
        QString text, caption;
        QMessageBox::Icon icon;
        QThread* thread;
        bool operator==(const Box&) const = default;
    };
    std::vector<Box> Boxes() {
        std::lock_guard lock(mutex);
        return boxes;
    }
    std::vector<QThread*> Beeps() {
        std::lock_guard lock(mutex);
        return beeps;
    }
    inline static std::atomic<int> presented{0}; // boxes and beeps, by every sink

protected:
    void Present(QMessageBox& box) override {
        // Shown as written, never as markup, with one OK button.
        EXPECT_EQ(box.textFormat(), Qt::PlainText);
        EXPECT_EQ(box.standardButtons(), QMessageBox::StandardButtons(QMessageBox::Ok));
        ++presented;
        std::lock_guard lock(mutex);
        boxes.push_back({box.text(), box.windowTitle(), box.icon(), QThread::currentThread()});
    }
    void Sound() override {
        ++presented;
        std::lock_guard lock(mutex);
        beeps.push_back(QThread::currentThread());
    }

private:
    std::mutex mutex;
    std::vector<Box> boxes;
    std::vector<QThread*> beeps;
};

// Calls `call` on a thread of its own without processing UI events meanwhile;
// true when it returned by itself. (If it waits for the UI thread, events are
// processed afterwards to let it finish, so the test fails instead of hanging.)
bool ReturnsWithoutTheUiThread(const std::function<void()>& call) {
    std::atomic<bool> returned{false};
    std::thread worker([&] {
        call();
        returned = true;
    });
    const bool alone = WaitFor([&] { return returned.load(); });
    if (!alone) WaitForUi([&] { return returned.load(); });
    worker.join();
    return alone;
}

// The real box: modal, on screen while ShowMessage waits, closed by OK.
TEST(QtMessageSink, OnTheUiThreadTheBoxIsModalUntilClosed) {
    QtMessageSink sink;
    std::tuple<QString, QString, bool> seen;
    QTimer closer;
    closer.setInterval(20);
    QObject::connect(&closer, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        seen = {box->text(), box->windowTitle(), box->isVisible()};
        box->button(QMessageBox::Ok)->click();
    });
    closer.start();
    sink.ShowMessage("Communication Port Not Found!", "Harrowview", MessageIcon::Stop);
    closer.stop();
    EXPECT_EQ(seen, std::tuple("Communication Port Not Found!", "Harrowview", true));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

// The receive thread reports a lost receiver: it must go on at once, and the
// boxes appear in order, as given, when the UI thread gets to them. Boxes
// posted to a sink that is gone by then are dropped, not shown through a
// dangling sink.
TEST(QtMessageSink, FromAnotherThreadReturnsAtOnceAndTheUiThreadShowsTheBoxesAsGiven) {
    const std::tuple<MessageIcon, QMessageBox::Icon, const char*, const char*> cases[] = {
        {MessageIcon::Stop, QMessageBox::Critical, "Communication Port Not Found!", ""},
        {MessageIcon::Exclamation, QMessageBox::Warning, "Comm Open Error![5]", "Port"},
        {MessageIcon::Information, QMessageBox::Information, "Line one\nline two", "Info"},
        {MessageIcon::Question, QMessageBox::Question, "Mask 10\xC2\xB0 ok?", "Sky Plot"},
        {MessageIcon::None, QMessageBox::NoIcon, "<b>5 < 6 & 7</b>", "Plain"},
    };
    WatchedSink sink;
    EXPECT_TRUE(ReturnsWithoutTheUiThread([&] {
        for (const auto& [icon, boxIcon, text, caption] : cases)
            sink.ShowMessage(text, caption, icon);
        sink.Beep();
    }));
    EXPECT_TRUE(sink.Boxes().empty()) << "shown before the UI thread processed events";
    ASSERT_TRUE(WaitForUi([&] { return sink.Boxes().size() == 5 && sink.Beeps().size() == 1; }));
    QThread* const ui = QThread::currentThread();
    std::vector<WatchedSink::Box> expected;
    for (const auto& [icon, boxIcon, text, caption] : cases)
        expected.push_back({QString::fromUtf8(text), QString::fromUtf8(caption), boxIcon, ui});
    EXPECT_TRUE(sink.Boxes() == expected);
    EXPECT_EQ(sink.Beeps(), std::vector<QThread*>{ui});

    auto gone = std::make_unique<WatchedSink>();
    EXPECT_TRUE(ReturnsWithoutTheUiThread([&] {
        gone->ShowMessage("late", "", MessageIcon::None);
        gone->Beep();
    }));
    const int before = WatchedSink::presented;
    gone.reset();
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    EXPECT_EQ(WatchedSink::presented, before);
}

} // namespace
