#pragma once

#include <atomic>
#include <string>

// Receive settings written by the UI thread (communications dialog, start-up)
// and read by the receive thread. The strings change only under the receive
// thread's pass lock.
struct ReceiveSettings {
    std::string port;                   // device path, or "99999" for the network link
    std::atomic<int> demoMode{0};       // 1 while a capture file is played
    std::atomic<int> continuousLoop{0}; // rewind the capture file at its end
    std::atomic<int> demoWaitMs{100};   // W: pause after every N sentences, 0 to 1000
    std::atomic<int> demoCount{10};     // N: 1 to 100
};
