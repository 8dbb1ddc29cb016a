#include "app/CNewWindowDialog.h"

#include <QDialogButtonBox>
#include <QListWidget>
#include <QVBoxLayout>

CNewWindowDialog::CNewWindowDialog(QStringList titles, QWidget* parent)
    : QDialog(parent), list(new QListWidget(this)) {
    setWindowTitle(QStringLiteral("New"));
    titles.sort();
    list->addItems(titles);
    if (list->count() > 0) list->setCurrentRow(0);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(list, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list);
    layout->addWidget(buttons);
}

QString CNewWindowDialog::Selected() const {
    const QListWidgetItem* item = list->currentItem();
    return item ? item->text() : QString();
}
