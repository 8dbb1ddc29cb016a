#include "SrecLoader.h"

#include "SRecord.h"

namespace {

// Appends piece by piece: "~" + code trips GCC 12's -Wrestrict in an
// optimised build.
std::string Line(std::string_view text, std::string_view prefix = {}) {
    std::string line;
    line.reserve(prefix.size() + text.size() + 2);
    return line.append(prefix).append(text).append("\r\n");
}

} // namespace

std::string SrecLoader::Start() {
    state = State::Receiving;
    records = 0;
    dropped = 0;
    return Line("~E");
}

// An injected fault changes only the code sent; the record is handled as usual.
std::string SrecLoader::Answer(std::string_view normal) const {
    for (const LoaderFault& f : faults) {
        if (f.record == records) return Line(f.code, "~");
    }
    return Line(normal, "~");
}

std::string SrecLoader::Finish() {
    state = State::Done;
    return Line("~Era") + Line("~Exe") + Line(dropped == 0 ? "Flash OK" : "Flash FAIL");
}

std::string SrecLoader::OnLine(std::string_view line) {
    if (state != State::Receiving || line.empty() || line.front() == '$') return {};
    ++records;
    const SRecordCheck check = CheckSRecord(line);
    switch (check.status) {
    case SRecordStatus::Malformed:
        ++dropped;
        return Answer(kMalformed);
    case SRecordStatus::BadChecksum:
        ++dropped;
        return Answer(kBadChecksum);
    case SRecordStatus::Good:
        break;
    }
    if (!IsTermination(check.type)) return Answer(kAccepted);
    const std::string answer = Answer(kFinished);
    return answer + Finish();
}
