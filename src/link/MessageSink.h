#pragma once

#include <string_view>

enum class MessageIcon { None, Stop, Exclamation, Information, Question };

// The one road for messages the user must see. The application shows them
// as message boxes; tools print them; tests record them.
class MessageSink {
public:
    virtual ~MessageSink() = default;
    // May be called from any thread; implementations hand it to the UI thread.
    virtual void ShowMessage(std::string_view text, std::string_view caption, MessageIcon icon) = 0;
    virtual void Beep() {}
};
