#pragma once

#include "app/DocumentPrompts.h"

class QWidget;

// The application's answers: a question box and a save-file dialog, both
// modal to `parent`.
class QtDocumentPrompts : public DocumentPrompts {
public:
    explicit QtDocumentPrompts(QWidget* parent = nullptr) : parent(parent) {}

    SaveAnswer AskSaveChanges(const QString& title) override;
    std::string AskSavePath(std::string_view filter, std::string_view defaultExtension) override;

private:
    QWidget* parent;
};
