#include "BenchInputs.h"

#include "nmea/CommentLineFilter.h"
#include "nmea/NmeaChecksum.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

std::string MakeOneHertzMix(int seconds) {
    std::string out;
    char body[256];
    for (int t = 0; t < seconds; ++t) {
        const int h = t / 3600 % 24, m = t / 60 % 60, s = t % 60;
        const double minutes = 7.038 + (t % 100) * 0.00013;
        std::snprintf(body, sizeof body,
                      "GPGGA,%02d%02d%02d.00,48%07.4f,N,011%07.4f,E,1,08,0.9,%.1f,M,46.9,M,,", h, m,
                      s, minutes, 31.0 + minutes / 10, 545.4 + (t % 7) * 0.1);
        out += NmeaSentence(body);
        out += NmeaSentence("GPGSA,A,3,04,05,09,12,24,25,29,31,,,,,1.8,0.9,1.5");
        out += NmeaSentence("GPGSV,3,1,11,04,35,072,44,05,62,301,47,09,12,198,38,12,45,250,45");
        out += NmeaSentence("GPGSV,3,2,11,24,25,045,41,25,70,120,49,29,08,330,33,31,55,160,46");
        out += NmeaSentence("GPGSV,3,3,11,02,03,010,00,06,05,100,21,14,02,280,");
        std::snprintf(body, sizeof body,
                      "GPRMC,%02d%02d%02d.00,A,48%07.4f,N,011%07.4f,E,000.5,054.7,071226,,,A", h, m,
                      s, minutes, 31.0 + minutes / 10);
        out += NmeaSentence(body);
        std::snprintf(body, sizeof body,
                      "POLYT,%02d%02d%02d.00,071226,2,2396,%d.000,18,-12.345,0,%d", h, m, s,
                      86400 + t, t * 1000);
        out += NmeaSentence(body);
        std::snprintf(body, sizeof body,
                      "POLYP,%02d%02d%02d.00,48%07.4f,N,011%07.4f,E,592.3,G3,4.2,6.1,0.9,54.7,0,0,"
                      "0.9,1.5,1.8,,",
                      h, m, s, minutes, 31.0 + minutes / 10);
        out += NmeaSentence(body);
        out += NmeaSentence("POLYS,8,04,U,072,35,44,0,05,U,301,62,47,0,09,U,198,12,38,0,12,U,250,"
                            "45,45,0,24,U,045,25,41,0,25,U,120,70,49,0,29,U,330,8,33,0,31,U,160,"
                            "55,46,0");
    }
    return out;
}

std::string LoadCorpus(const std::string& directory) {
    namespace fs = std::filesystem;
    std::error_code error;
    std::vector<fs::path> logs;
    for (const auto& entry : fs::directory_iterator(directory, error))
        if (entry.path().extension() == ".log") logs.push_back(entry.path());
    std::sort(logs.begin(), logs.end());
    std::string all;
    for (const auto& path : logs) {
        std::ifstream in(path, std::ios::binary);
        std::stringstream raw;
        raw << in.rdbuf();
        CommentLineFilter filter;
        filter.Filter(raw.str(), all);
    }
    return all;
}
