#include "config/CProgressDlg.h"

#include <QCoreApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

CProgressDlg::CProgressDlg(QWidget* owner, const QString& caption)
    : QDialog(owner), owner(owner), status(new QLabel(this)),
      percent(new QLabel(QStringLiteral(" 0 %"), this)), bar(new QProgressBar(this)),
      cancel(new QPushButton(QStringLiteral("Cancel"), this)) {
    setWindowTitle(caption);
    setModal(false);
    bar->setRange(lower, upper);
    bar->setValue(position);
    bar->setTextVisible(false);
    cancel->setEnabled(false);
    connect(cancel, &QPushButton::clicked, this, [this] { cancelled = true; });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(status);
    layout->addWidget(percent, 0, Qt::AlignHCenter);
    layout->addWidget(bar);
    layout->addWidget(cancel, 0, Qt::AlignHCenter);
    resize(360, sizeHint().height());
    if (owner) owner->setEnabled(false);
    // Disabling the owner would disable this child too; it stays usable.
    setEnabled(true);
    show();
}

CProgressDlg::~CProgressDlg() {
    if (owner) owner->setEnabled(true);
}

void CProgressDlg::SetStatus(const QString& text) {
    status->setText(text);
}

QString CProgressDlg::StatusText() const {
    return status->text();
}

QString CProgressDlg::PercentText() const {
    return percent->text();
}

void CProgressDlg::SetRange(int low, int high) {
    lower = low;
    upper = high;
    position = low;
    bar->setRange(low, high);
    bar->setValue(low);
}

void CProgressDlg::EnableCancel(bool enable) {
    cancel->setEnabled(enable);
}

void CProgressDlg::Step() {
    QCoreApplication::processEvents();
    SetPosition(position + step);
}

void CProgressDlg::SetPosition(int value) {
    position = std::clamp(value, lower, upper);
    ShowPosition();
}

void CProgressDlg::ShowPosition() {
    bar->setValue(position);
    // The position stays within the range, so the figure never passes 100
    // (it used to wrap); an empty range counts as done rather than dividing
    // by 0.
    const int value = upper > lower ? (position - lower) * 100 / (upper - lower) : 100;
    const QString text = QStringLiteral("%1%").arg(value);
    if (percent->text() != text) percent->setText(text);
}

bool CProgressDlg::CheckCancel() {
    QCoreApplication::processEvents();
    return cancelled;
}
