#include "views/skyplot/MaskFileDialogs.h"

#include <QFile>
#include <QFileDialog>

namespace {

QString AskFile(QWidget* parent, const QString& filter) {
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilter(filter);
    dialog.setDefaultSuffix(QStringLiteral("msk"));
    dialog.selectFile(QStringLiteral("*.msk"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().first();
}

} // namespace

std::string AskOpenMaskFile(QWidget* parent) {
    const QString path = AskFile(parent, QStringLiteral("Path Files (*.msk);;All Files (*)"));
    return QFile::encodeName(path).toStdString();
}

QString AskMaskFileToLoad(QWidget* parent) {
    return AskFile(parent, QStringLiteral("Mask Files (*.msk)"));
}
