#include "upgrade/CFirmwareUpgradeDlg.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

CFirmwareUpgradeDlg::CFirmwareUpgradeDlg(AskPath askPath, QWidget* parent)
    : QDialog(parent), enable(new QCheckBox(QStringLiteral("Enable Firmware Upgrade"), this)),
      file(new QLineEdit(this)), browse(new QPushButton(QStringLiteral("Browse..."), this)),
      caution(new QLabel(QStringLiteral("CAUTION: SENDING AN INCORRECT FIRMWARE FILE TO YOUR "
                                        "RECEIVER MAY CAUSE IT TO MALFUNCTION.  PLEASE READ THE "
                                        "MANUAL BEFORE PROCEEDING"),
                         this)) {
    setWindowTitle(QStringLiteral("Firmware Upgrade"));
    auto* label = new QLabel(QStringLiteral("Filename:"), this);
    caution->setWordWrap(true);
    caution->hide();
    for (QWidget* w : std::initializer_list<QWidget*>{label, file, browse})
        w->setEnabled(false);
    // Ticking opens the way; unticking does not close it again.
    connect(enable, &QCheckBox::toggled, this, [this, label](bool on) {
        if (!on) return;
        for (QWidget* w : std::initializer_list<QWidget*>{label, file, browse})
            w->setEnabled(true);
        caution->show();
    });
    connect(browse, &QPushButton::clicked, this, [this, askPath = std::move(askPath)] {
        const QString path = askPath();
        if (!path.isEmpty()) file->setText(path);
    });
    auto* group = new QGroupBox(QStringLiteral("Firmware Upgrade"), this);
    auto* row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(file);
    row->addWidget(browse);
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(enable);
    groupLayout->addLayout(row);
    groupLayout->addWidget(caution);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(buttons);
    resize(480, sizeHint().height());
}

QString CFirmwareUpgradeDlg::FileName() const {
    return enable->isChecked() ? file->text().trimmed() : QString();
}
