#pragma once

struct TruthPosition {
    double latitude, longitude, altitude;
    bool use;
};
