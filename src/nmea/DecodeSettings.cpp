#include "nmea/DecodeSettings.h"

#include "profile/ProfileStore.h"

#include <array>
#include <utility>

namespace {

constexpr const char* kSection = "GPS Section";

template <typename Settings>
auto Keys(Settings& s) {
    using Flag = decltype(&s.useGGA);
    return std::array<std::pair<const char*, Flag>, 9>{{
        {"UseGPGGA", &s.useGGA},
        {"UseGPGSA", &s.useGSA},
        {"UseGPGSV", &s.useGSV},
        {"UseGPRMC", &s.useRMC},
        {"UsePOLYA", &s.usePOLYA},
        {"UsePOLYP", &s.usePOLYP},
        {"UsePOLYS", &s.usePOLYS},
        {"UsePOLYT", &s.usePOLYT},
        {"IgnoreNMEAChecksum", &s.ignoreChecksum},
    }};
}

} // namespace

void DecodeSettings::Load(const ProfileStore& profile) {
    for (auto [key, flag] : Keys(*this))
        flag->store(profile.GetInt(kSection, key, flag->load()));
}

void DecodeSettings::Save(ProfileStore& profile) const {
    for (auto [key, flag] : Keys(*this))
        profile.SetInt(kSection, key, flag->load());
}
