#pragma once

#include "app/CView.h"
#include "app/ViewPrinting.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// Prints the view to a PDF file as File > Print would, and counts its pages:
// one "/Type /Page" object each (the page tree is "/Type /Pages"); -1 when
// nothing was written. With `words`, the page's text as pdftotext reads it,
// runs of white space made one space.
inline int PrintedPages(CView& view, QString* words = nullptr) {
    QTemporaryDir dir;
    const QString path = dir.filePath("view.pdf");
    QFile file(path);
    if (!PrintViewToPdf(view, path) || !file.open(QIODevice::ReadOnly)) return -1;
    if (words) {
        QProcess text;
        text.start("pdftotext", {"-layout", path, "-"});
        EXPECT_TRUE(text.waitForFinished(20000))
            << "pdftotext (Debian package poppler-utils) reads the printed page";
        *words = QString::fromUtf8(text.readAllStandardOutput()).simplified();
    }
    const QString pdf = QString::fromLatin1(file.readAll());
    return static_cast<int>(pdf.count(QRegularExpression("/Type\\s*/Page(?![s\\w])")));
}
