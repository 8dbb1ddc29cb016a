#pragma once

// A small file-backed document and the recorders the framework tests use in
// place of message boxes and dialogs.
#include "app/CDocument.h"
#include "app/DocumentPrompts.h"
#include "support/RecordingMessages.h"

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

// Messages come from the receive thread too: the recorder locks.
using RecordingSink = RecordingMessages;
using RecordedMessage = RecordingMessages::Message;

class ScriptedPrompts : public DocumentPrompts {
public:
    SaveAnswer AskSaveChanges(const QString& title) override {
        askedTitles.push_back(title);
        return answer;
    }
    std::string AskSavePath(std::string_view filter, std::string_view extension) override {
        askedFilters.emplace_back(filter);
        askedExtension = extension;
        return path;
    }
    SaveAnswer answer = SaveAnswer::Cancel;
    std::string path;
    std::vector<QString> askedTitles;
    std::vector<std::string> askedFilters;
    std::string askedExtension;
};

// Its text is the file's content; a missing file or an unwritable path fails.
class TextDocument : public CDocument {
public:
    using CDocument::CDocument;
    std::string text;

protected:
    bool Read(const std::string& path, std::string& error) override {
        std::ifstream in(path);
        if (!in) return error = "Cannot open " + path, false;
        std::ostringstream all;
        all << in.rdbuf();
        text = all.str();
        return true;
    }
    bool Write(const std::string& path, std::string& error) override {
        std::ofstream out(path);
        if (!(out << text)) return error = "Cannot write " + path, false;
        return true;
    }
};

inline std::string FileText(const std::string& path) {
    std::ifstream in(path);
    std::ostringstream all;
    all << in.rdbuf();
    return all.str();
}
