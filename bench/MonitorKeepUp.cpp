// Whether the command monitor keeps up with a receiver at 115200 baud: a
// writer sends numbered sentences at 11520 bytes a second into a
// pseudo-terminal; the real port, receive thread and framer hand them to the
// monitor window, which shows them. For every sentence this program notes
// when it was written, when the receive thread appended it to the monitor,
// and when the window's text first held it. A delay that stays flat from the
// first seconds to the last means the window keeps up; a growing one means a
// backlog. Runs on Qt's offscreen platform unless another is chosen.
//
// Usage: monitor-keepup [SECONDS] [BYTES_PER_SECOND]   (defaults 25 and 11520)

#include "LinkBench.h"
#include "app/AppContext.h"
#include "app/DocumentPrompts.h"
#include "link/ReceiveThread.h"
#include "link/ReceiverPort.h"
#include "nmea/DecodeSettings.h"
#include "nmea/NmeaChecksum.h"
#include "nmea/ReceiverState.h"
#include "profile/MemoryProfileStore.h"
#include "survey/TruthPosition.h"
#include "ttff/TtffMilestones.h"
#include "views/monitor/CCommandMonitorDoc.h"
#include "views/monitor/CCommandMonitorView.h"
#include "views/monitor/CMonitorEdit.h"

#include <QApplication>
#include <QTextBlock>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

struct NoPrompts : DocumentPrompts {
    SaveAnswer AskSaveChanges(const QString&) override { return SaveAnswer::No; }
    std::string AskSavePath(std::string_view, std::string_view) override { return {}; }
};

std::int64_t Now() {
    return std::chrono::duration_cast<std::chrono::microseconds>(Clock::now().time_since_epoch())
        .count();
}

// "$GPTXT,<number>,<padding>*hh": 69 bytes with the line end.
std::string Sentence(int number) {
    std::string body = "GPTXT," + std::to_string(number) + ",";
    body.resize(63, 'x');
    return NmeaSentence(body);
}

// The sentence number of a line shown, or -1.
int NumberOf(const QString& line) {
    if (!line.startsWith("$GPTXT,")) return -1;
    bool ok = false;
    const int number = line.section(',', 1, 1).toInt(&ok);
    return ok ? number : -1;
}

// Sits between the receive thread and the monitor to note append times.
class TimedSink : public MonitorSink {
public:
    TimedSink(MonitorSink& monitor, std::vector<std::atomic<std::int64_t>>& appended)
        : monitor(monitor), appended(appended) {}
    void AppendText(std::string_view text, int flag) override {
        const int number = NumberOf(QString::fromLatin1(text.data(), text.size()));
        if (number >= 0 && static_cast<size_t>(number) < appended.size())
            appended[static_cast<size_t>(number)] = Now();
        monitor.AppendText(text, flag);
    }
    bool DebugMode() const override { return monitor.DebugMode(); }

private:
    MonitorSink& monitor;
    std::vector<std::atomic<std::int64_t>>& appended;
};

} // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    const int seconds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 25;
    const int rate = argc > 2 ? std::max(100, std::atoi(argv[2])) : 11520;
    QApplication app(argc, argv);

    RawPty pty;
    if (!pty.Ok()) return 1;

    PrintMessages messages;
    NoPrompts prompts;
    MemoryProfileStore profile;
    ReceiverState state;
    DecodeSettings decode;
    CReceiverPort port(messages);
    if (port.Open(pty.name, 115200) != 0) return 1;
    ReceiveThread receive(state, port, decode, messages);
    receive.Settings().port = pty.name;
    TtffSettings ttff;
    TruthPosition truth;
    AppContext context{state, profile, {messages, prompts}, port, receive, ttff, truth};
    CCommandMonitorDoc document(context, context.services);
    CCommandMonitorView view(document);
    view.resize(800, 600);
    view.show();

    const std::string sample = Sentence(0);
    const auto interval = std::chrono::duration<double>(static_cast<double>(sample.size()) / rate);
    const int count = static_cast<int>(seconds / interval.count());
    std::vector<std::atomic<std::int64_t>> written(static_cast<size_t>(count));
    std::vector<std::atomic<std::int64_t>> appended(static_cast<size_t>(count));
    std::vector<std::int64_t> shown(static_cast<size_t>(count), 0);
    TimedSink timed(document, appended);
    {
        const auto pass = receive.LockPass();
        receive.SetMonitor(&timed);
    }
    receive.Start(0ms);

    // Lines are added at the end: look back from the last one to the newest
    // already seen.
    int newestSeen = -1;
    QObject::connect(&view.Edit(), &QPlainTextEdit::textChanged, [&] {
        const std::int64_t now = Now();
        int newest = newestSeen;
        for (QTextBlock b = view.Edit().document()->lastBlock(); b.isValid(); b = b.previous()) {
            const int number = NumberOf(b.text());
            if (number < 0) continue;
            if (number <= newestSeen) break;
            if (number < count && shown[static_cast<size_t>(number)] == 0)
                shown[static_cast<size_t>(number)] = now;
            newest = std::max(newest, number);
        }
        newestSeen = newest;
    });

    const double cpuBefore = CpuSeconds();
    const auto start = Clock::now();
    std::thread writer([&] {
        for (int i = 0; i < count; ++i) {
            std::this_thread::sleep_until(start + std::chrono::duration_cast<Clock::duration>(
                                                      interval * static_cast<double>(i)));
            const std::string s = Sentence(i);
            written[static_cast<size_t>(i)] = Now();
            WriteAll(pty.master, s);
        }
    });
    QTimer::singleShot(std::chrono::milliseconds(seconds * 1000 + 1000), &app, &QApplication::quit);
    app.exec();
    writer.join();
    const double wall = std::chrono::duration<double>(Clock::now() - start).count();
    const double cpu = CpuSeconds() - cpuBefore;
    {
        const auto pass = receive.LockPass();
        receive.SetMonitor(nullptr);
    }
    receive.Stop();

    std::printf("%d sentences of %zu bytes at %d bytes/s for %d s\n", count, sample.size(), rate,
                seconds);
    std::printf("window     shown   append->shown ms (median p99 max)   write->shown ms (median "
                "p99 max)\n");
    const int window = 5;
    int missing = 0;
    for (int from = 0; from < seconds; from += window) {
        std::vector<double> toShown, endToEnd;
        for (int i = 0; i < count; ++i) {
            const double at = interval.count() * i;
            if (at < from || at >= from + window) continue;
            const auto k = static_cast<size_t>(i);
            if (shown[k] == 0 || appended[k] == 0) {
                ++missing;
                continue;
            }
            toShown.push_back(static_cast<double>(shown[k] - appended[k]) / 1000.0);
            endToEnd.push_back(static_cast<double>(shown[k] - written[k]) / 1000.0);
        }
        std::printf("%3d-%3d s %7zu   %7.1f %6.1f %6.1f               %7.1f %6.1f %6.1f\n", from,
                    std::min(from + window, seconds), toShown.size(), Percentile(toShown, 0.5),
                    Percentile(toShown, 0.99), Percentile(toShown, 1.0), Percentile(endToEnd, 0.5),
                    Percentile(endToEnd, 0.99), Percentile(endToEnd, 1.0));
    }
    std::printf("not shown: %d; sentences decoded: %u; CPU (both threads and the writer): "
                "%.1f %% of one core\n",
                missing, state.GetSentenceCount(), 100.0 * cpu / wall);
    return missing == 0 ? 0 : 1;
}
