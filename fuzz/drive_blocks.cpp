// Any bytes as what a drive answered, decoded as a description block and as
// names, and any bytes as what the simulated drive receives: decoding stays
// inside the answer whatever byte count it claims, names come out clean, and
// the simulated drive answers only whole, good requests.
// Input: byte 0 is the drive type, byte 1 bit 0 chooses RTU, the rest is the
// answer (or the bytes on the line).

#include "SimulatedDrive.h"

#include "device/DriveParameter.h"
#include "device/ModbusFrame.h"

#include <cstdint>
#include <cstdlib>
#include <vector>

namespace {

corvid::sim::DriveDescription Drive(uint8_t driveType, bool rtu) {
    corvid::sim::DriveDescription drive;
    drive.driveType = driveType;
    drive.line.framing.rtu = rtu;
    drive.rating = 440;
    drive.groups.push_back({"Group", {{"Parameter", -5, 5, 0, 0x80}}});
    return drive;
}

void CheckName(const std::string& name) {
    for (const char byte : name)
        if (static_cast<uint8_t>(byte) < 0x20 || byte == 0x7F || byte == '"')
            std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace corvid;
    if (size < 2)
        return 0;
    const uint8_t driveType = data[0];
    const bool rtu = data[1] & 1;
    // An exact copy, so reading one byte past the answer is caught.
    const std::vector<uint8_t> answer(data + 2, data + size);

    const std::span<const uint8_t> covered = AnswerData(answer);
    if (covered.size() > answer.size())
        std::abort();
    DriveParameter parameter;
    DecodeParameterBlock(driveType, covered, parameter);
    CheckName(parameter.name);
    if (parameter.name.size() > kDriveNameLength)
        std::abort();
    CheckName(AnswerName(covered, data[1] >> 1, kGroupNameRegisters));
    if (!HonoursSignedAttribute(driveType) && (parameter.minimum < 0 || parameter.maximum < 0))
        std::abort();

    sim::CSimulatedDrive drive(Drive(driveType, rtu), {});
    const SerialLineSettings line{9600, kParityNone, 8, kStopBitsTwo, kFlowNone};
    for (const sim::Exchange& exchange : drive.Receive(answer, line)) {
        if (exchange.requestLength > answer.size())
            std::abort();
        if (!exchange.answer.empty() &&
            !CModbusFrame::CheckResponse(rtu, exchange.answer.size(), exchange.answer))
            std::abort();
    }
    drive.LineQuiet();
    return 0;
}
