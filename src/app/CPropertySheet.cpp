#include "app/CPropertySheet.h"

#include "link/MessageSink.h"

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

CPropertyPage::CPropertyPage(const QString& title, QWidget* parent)
    : QWidget(parent), title(title) {}

void CPropertyPage::SetModified(bool value) {
    if (modified == value) return;
    modified = value;
    emit modifiedChanged(value);
}

CPropertySheet::CPropertySheet(const QString& caption, QWidget* parent)
    : QDialog(parent), tabs(new QTabWidget(this)) {
    setWindowTitle(caption);
    auto* buttons = new QDialogButtonBox(
        QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Apply, this);
    applyButton = buttons->button(QDialogButtonBox::Apply);
    applyButton->setEnabled(false);
    connect(buttons, &QDialogButtonBox::accepted, this, &CPropertySheet::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CPropertySheet::reject);
    connect(applyButton, &QPushButton::clicked, this, [this] { ApplyAll(); });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs);
    layout->addWidget(buttons);
}

void CPropertySheet::AddPage(CPropertyPage* page) {
    pages.push_back(page);
    tabs->addTab(page, page->Title());
    connect(page, &CPropertyPage::modifiedChanged, this, [this] { UpdateApplyButton(); });
}

bool CPropertySheet::ApplyAll() {
    for (CPropertyPage* page : pages) {
        if (page->Validate()) continue;
        tabs->setCurrentWidget(page);
        return false;
    }
    for (CPropertyPage* page : pages) {
        page->Apply();
        page->SetModified(false);
    }
    return true;
}

void CPropertySheet::accept() {
    if (ApplyAll()) QDialog::accept();
}

void CPropertySheet::UpdateApplyButton() {
    bool any = false;
    for (const CPropertyPage* page : pages)
        any = any || page->IsModified();
    applyButton->setEnabled(any);
}

std::optional<int> ValidatedInteger(QLineEdit& edit, int min, int max, MessageSink& messages) {
    bool ok = false;
    const int value = edit.text().trimmed().toInt(&ok);
    if (ok && value >= min && value <= max) return value;
    const std::string text = "Please enter an integer between " + std::to_string(min) + " and " +
                             std::to_string(max) + ".";
    messages.ShowMessage(text, "Harrowview", MessageIcon::Exclamation);
    edit.setFocus();
    edit.selectAll();
    return std::nullopt;
}
