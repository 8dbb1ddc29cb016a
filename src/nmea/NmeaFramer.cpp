#include "nmea/NmeaFramer.h"

#include "nmea/ByteScan.h"
#include "nmea/DecodeSettings.h"
#include "nmea/EchoSinks.h"
#include "nmea/HexDigit.h"
#include "nmea/NmeaChecksum.h"
#include "nmea/ReceiverState.h"

#include <cstdio>
#include <cstring>

NmeaFramer::NmeaFramer(ReceiverState& s, const DecodeSettings& settings)
    : state(s), settings(settings), dispatcher(s, settings) {}

void NmeaFramer::Feed(std::string_view bytes) {
    const char* p = bytes.data();
    const char* const end = p + bytes.size();
    while (p < end) {
        const char c = *p++;
        switch (stage) {
        case Stage::Hunt: // everything between sentences, line ends included
            if (c == '$') {
                running = 0;
                length = 0;
                stage = Stage::Address;
            }
            break;
        case Stage::Address:
            running ^= static_cast<uint8_t>(c);
            if (c == ',') {
                addressLength = length;
                length = 0;
                stage = Stage::Data;
            } else {
                address[length++] = c;
                if (length > kMaxAddress) Drop();
            }
            break;
        case Stage::Data:
            p = ScanData(p - 1, end);
            break;
        case Stage::Checksum1:
            checksumText[0] = c;
            stage = Stage::Checksum2;
            break;
        case Stage::Checksum2:
            checksumText[1] = c;
            EndWithChecksum();
            break;
        }
    }
}

// The data text is most of every sentence: copy it eight bytes at a time until
// '*', carriage return, the length limit or the end of the chunk.
const char* NmeaFramer::ScanData(const char* p, const char* end) {
    uint64_t folded = 0;
    while (end - p >= 8 && kMaxData + 1 - length >= 8) {
        const uint64_t word = ByteScan::Load(p);
        if (ByteScan::Matches(word, '*') | ByteScan::Matches(word, '\r')) break;
        folded ^= word;
        std::memcpy(data.data() + length, p, 8);
        length += 8;
        p += 8;
    }
    running ^= ByteScan::Fold(folded);
    if (length > kMaxData) {
        Drop();
        return p;
    }
    for (; p < end; ++p) {
        const char c = *p;
        if (c == '*') {
            stage = Stage::Checksum1;
            return p + 1;
        }
        if (c == '\r') {
            EndWithoutChecksum();
            return p + 1;
        }
        running ^= static_cast<uint8_t>(c);
        data[length++] = c; // '$' and line feeds belong to the data here
        if (length > kMaxData) {
            Drop();
            return p + 1;
        }
    }
    return p;
}

void NmeaFramer::EndWithChecksum() {
    stage = Stage::Hunt;
    const int high = HexDigitValue(checksumText[0]);
    const int low = HexDigitValue(checksumText[1]);
    // Reading stops at the first non-hex digit, so "4G" reads as 4.
    const unsigned received = high < 0 ? 0 : low < 0 ? high : high * 16 + low;
    if ((high >= 0 && received == running) || DecodeSettings::On(settings.ignoreChecksum)) {
        LogAsReceived(true);
        const bool rewritten = Accept();
        if (monitor) {
            if (rewritten || !log) BuildEcho(true); // else the log's echo stands
            if (rewritten && high >= 0 && low >= 0) ResealEcho();
            monitor->AppendText(echo, 1);
        }
    } else {
        ReportMismatch(received);
    }
}

void NmeaFramer::EndWithoutChecksum() {
    stage = Stage::Hunt;
    LogAsReceived(false);
    const bool rewritten = Accept();
    if (monitor) {
        if (rewritten || !log) BuildEcho(false);
        monitor->AppendText(echo, 1);
    }
}

// The log keeps the sentence as received, before a decoder may mark it (a
// rejected POLYP fix shows NF on the monitor): replayed, the log decodes to
// exactly what the live stream did, and nothing the receiver said is lost.
void NmeaFramer::LogAsReceived(bool withChecksum) {
    if (!log) return;
    BuildEcho(withChecksum);
    log->Write(echo);
}

bool NmeaFramer::Accept() {
    const std::string_view addr(address.data(), addressLength);
    const bool rewritten = dispatcher.DispatchSentence(addr, std::span<char>(data.data(), length));
    const unsigned count = state.AddSentence();
    if (observer) observer(addr, std::string_view(data.data(), length));
    if (pacing) pacing(count);
    return rewritten;
}

void NmeaFramer::ReportMismatch(unsigned received) {
    ++checksumErrors;
    if (!monitor && !log) return;
    BuildEcho(true);
    if (!log) {
        monitor->AppendText(echo, 1);
        return;
    }
    char line[40];
    const int n = std::snprintf(line, sizeof line, "Checksum Error %2x %2x\r\n",
                                static_cast<unsigned>(running), received);
    echo.insert(0, 1, '#');
    log->Write(echo);
    log->Write(std::string_view(line, static_cast<size_t>(n)));
    if (monitor) monitor->AppendText(std::string_view(line, static_cast<size_t>(n)), 1);
}

void NmeaFramer::BuildEcho(bool withChecksum) {
    echo.assign(1, '$');
    echo.append(address.data(), addressLength).append(1, ',').append(data.data(), length);
    if (withChecksum) echo.append(1, '*').append(checksumText.data(), 2);
    echo.append("\r\n");
}

// A decoder may rewrite a field it rejects (a POLYP fix marked NF). The
// monitor's echo then gets a checksum off by as much as the received one was,
// so the text shown is a sentence that checks as the received one did.
void NmeaFramer::ResealEcho() {
    const uint8_t now = NmeaChecksum(std::string_view(echo).substr(1, echo.size() - 6));
    const unsigned received = HexDigitValue(checksumText[0]) * 16 + HexDigitValue(checksumText[1]);
    static constexpr char kHex[] = "0123456789ABCDEF";
    const unsigned sealed = received ^ running ^ now;
    echo[echo.size() - 4] = kHex[sealed >> 4];
    echo[echo.size() - 3] = kHex[sealed & 0xF];
}

void NmeaFramer::Drop() {
    ++dropped;
    stage = Stage::Hunt;
}
