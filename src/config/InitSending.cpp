#include "config/InitSending.h"

#include "config/CProgressDlg.h"
#include "config/InitStrings.h"

#include <memory>

namespace {

// The progress dialog exists only while strings are actually sent.
class DialogProgress : public InitProgress {
public:
    explicit DialogProgress(QWidget* owner) : owner(owner) {}
    void Begin(std::string_view status, int count) override {
        dialog = std::make_unique<CProgressDlg>(owner);
        dialog->SetStatus(QString::fromUtf8(status.data(), static_cast<qsizetype>(status.size())));
        dialog->SetRange(0, count);
        dialog->SetStep(1);
    }
    void Step() override {
        if (dialog) dialog->Step();
    }

private:
    QWidget* owner;
    std::unique_ptr<CProgressDlg> dialog;
};

} // namespace

size_t SendInitStringsShowingProgress(QWidget* owner, CReceiverPort& port,
                                      std::span<const std::string> rawStrings, int model) {
    DialogProgress progress(owner);
    return SendInitStrings(port, model, rawStrings, &progress);
}
