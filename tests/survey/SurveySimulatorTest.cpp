// The survey fed by the receiver simulator over a real pseudo-terminal and
// the receive thread; no window is involved, so it samples minimised too.

#include "SurveyTestSupport.h"

#include "link/ReceiveThread.h"
#include "link/ReceiverPort.h"
#include "nmea/DecodeSettings.h"
#include "nmea/FieldConversions.h"
#include "nmea/NmeaFields.h"
#include "support/SimProcess.h"
#include "survey/SurveySampler.h"

#include <gtest/gtest.h>

namespace {

using namespace std::chrono_literals;

// A fix every 50 ms (twice a 10 Hz receiver's rate): each stored once, in order.
TEST(SurveyWithSimulator, EveryFixSentIsStoredOnce) {
    constexpr size_t kFixes = 300;
    SimProcess sim({"--speed", "20", "--seed", "5", "--noise", "3"});
    ReceiverState state;
    DecodeSettings decode;
    TestSurvey t;
    CReceiverPort port(t.messages);
    ASSERT_EQ(port.Open(sim.ReadLine(), 19200), 0);
    ReceiveThread receive(state, port, decode, t.messages);
    SentenceTap::Watch sent(receive.Tap(), "$GPGGA");
    SurveySampler sampler(state, t.survey);
    receive.Start(0ms);
    std::vector<std::string> ggas;
    const auto collect = [&] {
        while (const std::optional<std::string> gga = sent.Take())
            ggas.push_back(*gga);
    };
    for (auto end = std::chrono::steady_clock::now() + 60s;
         ggas.size() < kFixes && std::chrono::steady_clock::now() < end;) {
        std::this_thread::sleep_for(100ms);
        sampler.Sample();
        collect();
    }
    receive.Stop();
    collect();
    sampler.Sample(SurveySampler::Take::All);
    ASSERT_GE(ggas.size(), kFixes);
    ASSERT_EQ(t.survey.SampleCount(), ggas.size());
    for (size_t i = 0; i < ggas.size(); ++i) {
        const NmeaFields f(std::string_view(ggas[i]).substr(7));
        EXPECT_NEAR(t.survey.Samples()[i].latitude, ParseLatitude(f.Get(1), f.Get(2)), 1e-6) << i;
        EXPECT_NEAR(t.survey.Samples()[i].longitude, ParseLongitude(f.Get(3), f.Get(4)), 1e-6) << i;
    }
}

} // namespace
