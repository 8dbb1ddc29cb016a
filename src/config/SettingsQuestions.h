#pragma once

#include <QString>

#include <functional>

class QWidget;

// The questions and file choosers the settings dialogs use. Message boxes and
// file dialogs by default; tests put answers in their place.
struct SettingsQuestions {
    // Yes / No, with a caption.
    std::function<bool(const QString& text, const QString& caption)> yesNo;
    // A path to open or save; empty when the user cancels.
    std::function<QString(const QString& filter, const QString& suffix)> openPath;
    std::function<QString(const QString& filter, const QString& suffix)> savePath;

    static SettingsQuestions Dialogs(QWidget* parent);
};
