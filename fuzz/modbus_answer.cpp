// Any bytes as an answer from a drive: the checks and the ASCII decoding stay
// inside the bytes and buffers they are given, whatever length is claimed.
// Input: byte 0 chooses the framing (bit 0 set: RTU), byte 1 is the length
// the master expects, the rest is what came over the line.

#include "device/ModbusFrame.h"
#include "device/ModbusMaster.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace corvid;
    if (size < 2)
        return 0;
    const bool rtu = data[0] & 1;
    const size_t expected = data[1];
    // An exact copy, so reading one byte past the answer is caught.
    const std::vector<uint8_t> answer(data + 2, data + size);

    const ModbusFrameCheck check = CModbusFrame::CheckAnswer(rtu, expected, answer);
    if (CModbusFrame::CheckResponse(rtu, expected, answer) != (check == ModbusFrameCheck::Good))
        std::abort();
    if (check == ModbusFrameCheck::Good && rtu) {
        const uint16_t crc = CModbusFrame::Crc16(std::span(answer).first(expected - 2));
        if (answer[expected - 2] != (crc & 0xFF) || answer[expected - 1] != (crc >> 8))
            std::abort();
    }

    ModbusBuffer decoded{};
    const size_t count = CModbusMaster::DecodeAsciiFrame(answer, decoded);
    const size_t pairs = answer.empty() ? 0 : (answer.size() - 1) / 2;
    if (count != std::min(pairs, decoded.size()))
        std::abort();
    std::vector<uint8_t> small(data[0] >> 4);
    if (CModbusMaster::DecodeAsciiFrame(answer, small) > small.size())
        std::abort();

    ModbusRequest request;
    CModbusFrame::ParseRequest(rtu, answer, request);
    return 0;
}
