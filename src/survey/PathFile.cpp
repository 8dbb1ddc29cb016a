#include "survey/PathFile.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>

static_assert(std::endian::native == std::endian::little, "path files are little-endian");

namespace {

template <typename T>
T Get(const char* p) {
    T value;
    std::memcpy(&value, p, sizeof value);
    return value;
}

template <typename T>
void Put(char* p, T value) {
    std::memcpy(p, &value, sizeof value);
}

size_t RecordSize(PathFormat format) {
    switch (format) {
    case PathFormat::Version2:
        return kPathRecordSize;
    case PathFormat::Version1:
        return kPathRecordSizeV1;
    case PathFormat::Old:
        return kOldRecordSize;
    }
    return kPathRecordSize;
}

// Version 1 and old records hold coordinates as scaled integers.
SurveySample FromIntegers(const char* p) {
    SurveySample s;
    s.latitude = Get<int32_t>(p) * 1e-7;
    s.longitude = Get<int32_t>(p + 4) * 1e-7;
    s.altitude = Get<int32_t>(p + 8) * 0.01;
    s.pdop10 = Get<uint16_t>(p + 12);
    s.fix3D = Get<uint32_t>(p + 14);
    return s;
}

std::string SizeError(uint64_t size, uint64_t expected, uint32_t count, const char* kind) {
    return "the file holds " + std::to_string(size) + " bytes, but its " + std::to_string(count) +
           " " + kind + " need " + std::to_string(expected) + ": it is damaged or not a path file";
}

bool CheckSize(const PathFileImage& image, std::string_view bytes, size_t start, const char* kind,
               std::string& error) {
    const uint64_t expected = start + uint64_t{image.count} * RecordSize(image.format);
    if (bytes.size() == expected) return true;
    error = SizeError(bytes.size(), expected, image.count, kind);
    return false;
}

bool CheckFinite(const PathFileImage& image, std::string& error) {
    if (image.format != PathFormat::Version2) return true; // integers only
    for (uint32_t i = 0; i < image.count; ++i) {
        const char* p = image.records.data() + size_t{i} * kPathRecordSize;
        for (size_t at : {0, 8, 16, 38})
            if (!std::isfinite(Get<double>(p + at))) {
                error = "record " + std::to_string(i + 1) + " holds a value that is not a number";
                return false;
            }
    }
    return true;
}

bool ParseOld(std::string_view bytes, PathFileImage& image, std::string& error) {
    if (bytes.size() < 4) {
        error = "the file is too short to be a path file";
        return false;
    }
    image.format = PathFormat::Old;
    image.count = Get<uint32_t>(bytes.data());
    image.header = {};
    if (!CheckSize(image, bytes, 4, "records of the old format", error)) {
        error += " (it has no Harrowview header)";
        return false;
    }
    image.records = bytes.substr(4);
    return true;
}

} // namespace

SurveySample PathFileImage::Record(uint32_t index) const {
    const char* p = records.data() + size_t{index} * RecordSize(format);
    if (format == PathFormat::Old) {
        SurveySample s = FromIntegers(p);
        s.hdop10 = s.vdop10 = s.pdop10; // one DOP stands for all three
        return s;
    }
    if (format == PathFormat::Version1) {
        SurveySample s = FromIntegers(p);
        s.hdop10 = Get<uint16_t>(p + 18);
        s.vdop10 = Get<uint16_t>(p + 20);
        return s;
    }
    SurveySample s;
    s.latitude = Get<double>(p);
    s.longitude = Get<double>(p + 8);
    s.altitude = Get<double>(p + 16);
    s.pdop10 = Get<uint16_t>(p + 24);
    s.fix3D = Get<uint32_t>(p + 26);
    s.hdop10 = Get<uint16_t>(p + 30);
    s.vdop10 = Get<uint16_t>(p + 32);
    s.accuracyClass = Get<uint32_t>(p + 34);
    s.horizontalAccuracy = Get<double>(p + 38);
    return s;
}

bool ParsePathFile(std::string_view bytes, uint32_t maxRecords, PathFileImage& image,
                   std::string& error) {
    PathFileImage read;
    if (bytes.substr(0, kPathSignature.size()) != kPathSignature) {
        if (!ParseOld(bytes, read, error)) return false;
    } else {
        if (bytes.size() < kPathHeaderSize) {
            error = "the file ends inside its 2048-byte header";
            return false;
        }
        std::copy_n(bytes.data(), kPathHeaderSize, read.header.begin());
        const uint32_t version = Get<uint32_t>(bytes.data() + 32);
        if (version != 1 && version != 2) {
            error = "it is a version " + std::to_string(version) +
                    " path file; this Harrowview reads versions 1 and 2";
            return false;
        }
        read.format = version == 1 ? PathFormat::Version1 : PathFormat::Version2;
        read.count = Get<uint32_t>(bytes.data() + 36);
        const char* kind = version == 1 ? "version 1 records" : "version 2 records";
        if (!CheckSize(read, bytes, kPathHeaderSize, kind, error)) return false;
        read.records = bytes.substr(kPathHeaderSize);
    }
    if (read.count > maxRecords) {
        error = "it holds " + std::to_string(read.count) + " positions; a survey holds at most " +
                std::to_string(maxRecords);
        return false;
    }
    if (!CheckFinite(read, error)) return false;
    image = read;
    return true;
}

void StampHeader(PathHeader& header, uint32_t count) {
    std::copy(kPathSignature.begin(), kPathSignature.end(), header.begin());
    Put<uint32_t>(header.data() + 32, 2);
    Put<uint32_t>(header.data() + 36, count);
}

void EncodeRecord(const SurveySample& s, char* p) {
    Put(p, s.latitude);
    Put(p + 8, s.longitude);
    Put(p + 16, s.altitude);
    Put(p + 24, s.pdop10);
    Put(p + 26, s.fix3D);
    Put(p + 30, s.hdop10);
    Put(p + 32, s.vdop10);
    Put(p + 34, s.accuracyClass);
    Put(p + 38, s.horizontalAccuracy);
    std::memset(p + 46, 0, kPathRecordSize - 46);
}

std::string PathComment(const PathHeader& header) {
    const char* start = header.data() + kCommentOffset;
    return std::string(start, ::strnlen(start, kMaxCommentLength));
}

void SetPathComment(PathHeader& header, std::string_view text) {
    text = text.substr(0, std::min(kMaxCommentLength, text.find('\0')));
    char* start = header.data() + kCommentOffset;
    std::copy(text.begin(), text.end(), start);
    start[text.size()] = '\0';
}
