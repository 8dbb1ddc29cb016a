#pragma once

#include <atomic>

class ProfileStore;

// Which sentence families are decoded. Read from "GPS Section" at start-up and
// changed by the NMEA settings dialog while the receive thread reads them, so
// each flag is a single atomic word. A decoder runs only when its flag is
// exactly 1.
struct DecodeSettings {
    std::atomic<int> useGGA{1};
    std::atomic<int> useGSA{1};
    std::atomic<int> useGSV{1};
    std::atomic<int> useRMC{0};
    std::atomic<int> usePOLYA{1};
    std::atomic<int> usePOLYP{1};
    std::atomic<int> usePOLYS{1};
    std::atomic<int> usePOLYT{1};
    std::atomic<int> ignoreChecksum{0};

    void Load(const ProfileStore& profile);
    void Save(ProfileStore& profile) const;

    static bool On(const std::atomic<int>& flag) {
        return flag.load(std::memory_order_relaxed) == 1;
    }
};
