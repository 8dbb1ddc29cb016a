#include "config/SettingsQuestions.h"

#include <QFileDialog>
#include <QMessageBox>

namespace {

QString AskPath(QWidget* parent, QFileDialog::AcceptMode mode, const QString& filter,
                const QString& suffix) {
    QFileDialog dialog(parent);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    dialog.setNameFilter(filter);
    dialog.setDefaultSuffix(suffix);
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

} // namespace

SettingsQuestions SettingsQuestions::Dialogs(QWidget* parent) {
    SettingsQuestions q;
    q.yesNo = [parent](const QString& text, const QString& caption) {
        return QMessageBox::warning(parent, caption, text, QMessageBox::Yes | QMessageBox::No) ==
               QMessageBox::Yes;
    };
    q.openPath = [parent](const QString& filter, const QString& suffix) {
        return AskPath(parent, QFileDialog::AcceptOpen, filter, suffix);
    };
    q.savePath = [parent](const QString& filter, const QString& suffix) {
        return AskPath(parent, QFileDialog::AcceptSave, filter, suffix);
    };
    return q;
}
