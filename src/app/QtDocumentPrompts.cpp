#include "app/QtDocumentPrompts.h"

#include <QFile>
#include <QFileDialog>
#include <QMessageBox>

SaveAnswer QtDocumentPrompts::AskSaveChanges(const QString& title) {
    const auto button = QMessageBox::question(
        parent, QString(), SaveChangesText(title),
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
    if (button == QMessageBox::Yes) return SaveAnswer::Yes;
    if (button == QMessageBox::No) return SaveAnswer::No;
    return SaveAnswer::Cancel;
}

std::string QtDocumentPrompts::AskSavePath(std::string_view filter,
                                           std::string_view defaultExtension) {
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(QString::fromUtf8(filter.data(), static_cast<qsizetype>(filter.size())));
    // Qt wants the suffix without its dot.
    QString suffix =
        QString::fromUtf8(defaultExtension.data(), static_cast<qsizetype>(defaultExtension.size()));
    if (suffix.startsWith('.')) suffix.remove(0, 1);
    dialog.setDefaultSuffix(suffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return QFile::encodeName(dialog.selectedFiles().first()).toStdString();
}
