#pragma once

#include <QFile>
#include <QRegularExpression>
#include <QString>

// Pages in a PDF file as Qt writes it: one "/Type /Page" object each (the
// page tree is "/Type /Pages"). -1 when the file cannot be read.
inline int PdfPageCount(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return -1;
    const QString text = QString::fromLatin1(file.readAll());
    return static_cast<int>(text.count(QRegularExpression("/Type\\s*/Page(?![s\\w])")));
}
