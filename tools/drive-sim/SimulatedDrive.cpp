#include "SimulatedDrive.h"

#include "device/ModbusFrame.h"
#include "dictionaries/EDSTextHelper.h"

#include <algorithm>
#include <array>

namespace corvid::sim {

namespace {

// Room for the longest answer: 125 registers in ASCII.
constexpr size_t kAnswerRoom = 512;
// Bytes kept while waiting for the end of a frame; a longer run without one
// is noise.
constexpr size_t kMaxPending = 256;
// The address a master uses to reach whichever drive is on the line.
constexpr uint8_t kAnyDrive = 255;

bool SameLine(const SerialLineSettings& applied, const LineSettings& own) {
    return applied.baud == own.bitRate && applied.dataBits == own.framing.dataBits &&
           applied.parity == own.framing.parity && applied.stopBits == own.framing.stopBits;
}

std::string RequestText(const ModbusRequest& request) {
    return "address " + std::to_string(request.address) + ", function " +
           FormatHex8(request.function) + ", register " + FormatHex16(request.registerAddress) +
           ", quantity " + std::to_string(request.value);
}

// "19200 8 E 1": what the master set, in the words a user reads.
std::string LineText(const SerialLineSettings& line) {
    static constexpr std::array<char, 5> kParityLetters = {'N', 'O', 'E', 'M', 'S'};
    const char parity = line.parity < kParityLetters.size() ? kParityLetters[line.parity] : '?';
    return std::to_string(line.baud) + " " + std::to_string(line.dataBits) + " " + parity + " " +
           (line.stopBits == kStopBitsTwo ? "2" : "1");
}

} // namespace

CSimulatedDrive::CSimulatedDrive(const DriveDescription& drive, const TroubleOptions& trouble)
    : drive_(drive), trouble_(trouble), registers_(drive) {}

std::chrono::microseconds CSimulatedDrive::LineTime(size_t characters) const {
    const SerialFraming& framing = drive_.line.framing;
    const uint64_t bitsPerCharacter = 1 + framing.dataBits +
                                      (framing.parity == kParityNone ? 0 : 1) +
                                      (framing.stopBits == kStopBitsOne ? 1 : 2);
    return std::chrono::microseconds(characters * bitsPerCharacter * 1000000 / drive_.line.bitRate);
}

std::chrono::microseconds CSimulatedDrive::FrameGap() const {
    // 3.5 characters, rounded up to whole characters.
    return std::max(std::chrono::microseconds(2000), LineTime(4));
}

std::vector<Exchange> CSimulatedDrive::Receive(std::span<const uint8_t> bytes,
                                               const SerialLineSettings& applied) {
    pending_.insert(pending_.end(), bytes.begin(), bytes.end());
    return drive_.line.framing.rtu ? TakeRtuFrames(applied) : TakeAsciiFrames(applied);
}

void CSimulatedDrive::LineQuiet() {
    pending_.clear();
}

std::vector<Exchange> CSimulatedDrive::TakeRtuFrames(const SerialLineSettings& applied) {
    std::vector<Exchange> exchanges;
    // Requests are 8 bytes; what does not check good waits for the gap that
    // ends it and is dropped then.
    while (pending_.size() >= kRtuRequestLength) {
        const std::span<const uint8_t> frame(pending_.data(), kRtuRequestLength);
        ModbusRequest request;
        if (CModbusFrame::ParseRequest(true, frame, request) != ModbusFrameCheck::Good)
            break;
        exchanges.push_back(Answer(request, frame.size(), applied));
        pending_.erase(pending_.begin(), pending_.begin() + kRtuRequestLength);
    }
    // A line that never falls quiet between bytes that are no request.
    if (pending_.size() > kMaxPending)
        pending_.clear();
    return exchanges;
}

std::vector<Exchange> CSimulatedDrive::TakeAsciiFrames(const SerialLineSettings& applied) {
    std::vector<Exchange> exchanges;
    for (;;) {
        const auto start = std::find(pending_.begin(), pending_.end(), ':');
        pending_.erase(pending_.begin(), start);
        const auto end = std::find(pending_.begin(), pending_.end(), '\n');
        if (end == pending_.end())
            break;
        const std::span<const uint8_t> frame(pending_.data(), end - pending_.begin() + 1);
        exchanges.push_back(Answer(frame, applied));
        pending_.erase(pending_.begin(), end + 1);
    }
    if (pending_.size() > kMaxPending)
        pending_.clear();
    return exchanges;
}

bool CSimulatedDrive::TakeFault(std::map<uint16_t, int>& plan, uint16_t registerAddress) {
    const auto found = plan.find(registerAddress);
    if (found == plan.end() || found->second == 0)
        return false;
    if (found->second != kAlways)
        --found->second;
    return true;
}

void CSimulatedDrive::Damage(std::vector<uint8_t>& answer) const {
    if (drive_.line.framing.rtu) {
        answer.back() ^= 0xFF;
        return;
    }
    // The second LRC digit, before CR LF, becomes another hexadecimal digit.
    uint8_t& digit = answer[answer.size() - 3];
    digit = digit == '0' ? '1' : '0';
}

Exchange CSimulatedDrive::Answer(std::span<const uint8_t> frame,
                                 const SerialLineSettings& applied) {
    ModbusRequest request;
    const ModbusFrameCheck check =
        CModbusFrame::ParseRequest(drive_.line.framing.rtu, frame, request);
    if (check == ModbusFrameCheck::Good)
        return Answer(request, frame.size(), applied);
    Exchange exchange;
    exchange.requestLength = frame.size();
    exchange.note = "noise: " + std::string(ModbusFrameCheckText(check));
    return exchange;
}

Exchange CSimulatedDrive::Answer(const ModbusRequest& request, size_t requestLength,
                                 const SerialLineSettings& applied) {
    Exchange exchange;
    exchange.requestLength = requestLength;
    const std::string what = RequestText(request);
    if (!SameLine(applied, drive_.line)) {
        exchange.note = what + ": line set to " + LineText(applied) + ", not answered";
        return exchange;
    }
    if (request.address != drive_.address &&
        (trouble_.strictAddress || request.address != kAnyDrive)) {
        exchange.note = what + ": another drive's address, not answered";
        return exchange;
    }
    if (TakeFault(trouble_.silent, request.registerAddress)) {
        exchange.note = what + ": silent, as asked";
        return exchange;
    }
    RegisterRead read;
    if (TakeFault(trouble_.exceptions, request.registerAddress))
        read.exception = kServerDeviceFailure;
    else
        read = registers_.Read(request.function, request.registerAddress, request.value);

    std::vector<uint8_t> payload;
    uint8_t function = request.function;
    if (read.exception != 0) {
        function |= kModbusExceptionFlag;
        payload.push_back(read.exception);
        exchange.note = what + ": exception " + std::to_string(read.exception);
    } else {
        payload.push_back(static_cast<uint8_t>(2 * read.words.size()));
        for (const uint16_t word : read.words) {
            payload.push_back(static_cast<uint8_t>(word >> 8));
            payload.push_back(static_cast<uint8_t>(word & 0xFF));
        }
        exchange.note = what + ": answered";
    }
    std::array<uint8_t, kAnswerRoom> out{};
    const size_t length =
        CModbusFrame::BuildAnswer(request.address, drive_.line.framing.rtu, function, payload, out);
    exchange.answer.assign(out.begin(), out.begin() + static_cast<std::ptrdiff_t>(length));
    if (trouble_.damaged > 0 && !exchange.answer.empty()) {
        --trouble_.damaged;
        Damage(exchange.answer);
        exchange.note += ", check damaged";
    }
    return exchange;
}

} // namespace corvid::sim
