#pragma once

#include <QString>

#include <string>
#include <string_view>

enum class SaveAnswer { Yes, No, Cancel };

// The questions a document asks before it is closed or first saved. Behind an
// interface so tests answer them without dialogs.
class DocumentPrompts {
public:
    virtual ~DocumentPrompts() = default;
    // "Save changes to <title>?" with Yes / No / Cancel.
    virtual SaveAnswer AskSaveChanges(const QString& title) = 0;
    // A path to save to; empty when the user cancels.
    virtual std::string AskSavePath(std::string_view filter, std::string_view defaultExtension) = 0;
};

inline QString SaveChangesText(const QString& title) {
    return QStringLiteral("Save changes to %1?").arg(title);
}
