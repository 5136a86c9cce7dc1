#include "device/ModbusMaster.h"

#include <chrono>
#include <thread>

namespace corvid {

namespace {

constexpr int kReadsPerTransaction = 5;
// A short pause after each read, before the answer is judged.
constexpr std::chrono::milliseconds kSettleTime{5};

// Replaces the ASCII frame of `length` characters at the start of `buffer`
// by its binary bytes, the rest cleared; returns their count.
uint8_t DecodeInPlace(ModbusBuffer& buffer, uint8_t length) {
    ModbusBuffer bytes{};
    const size_t count = CModbusMaster::DecodeAsciiFrame(std::span(buffer).first(length), bytes);
    buffer = bytes;
    return static_cast<uint8_t>(count);
}

} // namespace

SerialLineSettings CModbusMaster::LineSettings() const {
    return SerialLineSettings{baud, parity, dataBits, stopBits, kFlowNone};
}

SerialFraming CModbusMaster::Framing() const {
    return {dataBits, parity, stopBits, rtu};
}

void CModbusMaster::SetFraming(const SerialFraming& framing) {
    dataBits = framing.dataBits;
    parity = framing.parity;
    stopBits = framing.stopBits;
    rtu = framing.rtu;
}

bool CModbusMaster::OpenPort() {
    return serialPort.Open(port, baud, parity, dataBits, stopBits, kFlowNone);
}

bool CModbusMaster::OpenPort(const std::string& device) {
    return serialPort.Open(device, LineSettings());
}

// Builds the request of the current fields into a cleared sendBuffer. False, with
// nothing sent, when the answer could not fit the receive buffer: a quantity
// the buffers cannot hold is refused rather than read past their end.
bool CModbusMaster::BuildCurrentRequest() {
    sendBuffer.fill(0);
    const size_t expected = CModbusFrame::ExpectedResponseLength(rtu, function, quantity);
    if (expected > kModbusBufferSize)
        return false;
    expectedLength = static_cast<uint8_t>(expected);
    requestLength = static_cast<uint8_t>(
        CModbusFrame::BuildRequest(address, rtu, function, registerAddress, quantity, sendBuffer));
    return true;
}

// Whatever still waits on the line from an earlier request (an answer that
// came after its time-out) is discarded first, so it cannot pass for the
// answer to this one.
void CModbusMaster::SendCurrentRequest() {
    serialPort.Purge();
    serialPort.Write(std::span(sendBuffer).first(requestLength));
}

bool CModbusMaster::Probe() {
    if (!BuildCurrentRequest())
        return false;
    SendCurrentRequest();
    serialPort.Flush();
    return serialPort.Read(std::span(receiveBuffer).first(expectedLength)) > 0;
}

bool CModbusMaster::ReadRegisters() {
    if (!BuildCurrentRequest())
        return false;
    const bool good = Transact(receiveBuffer, true);
    if (!rtu) {
        // Callers find register data at the same byte positions in both
        // framings.
        expectedLength = DecodeInPlace(receiveBuffer, expectedLength);
        requestLength = DecodeInPlace(sendBuffer, requestLength);
    }
    return good;
}

bool CModbusMaster::ReadRegistersInto(ModbusBuffer& buffer) {
    if (!BuildCurrentRequest())
        return false;
    const bool good = Transact(buffer, false);
    if (!rtu)
        DecodeInPlace(buffer, expectedLength);
    return good;
}

// Sends the request once, then reads up to five times: an exception answer
// (and, when asked, an answer to another function, which includes silence)
// ends the transaction at once; a damaged or short answer is read again.
bool CModbusMaster::Transact(ModbusBuffer& answer, bool failOnOtherFunction) {
    SendCurrentRequest();
    const auto frame = std::span(answer).first(expectedLength);
    const uint8_t exceptionFunction = static_cast<uint8_t>(function + kModbusExceptionFlag);
    for (int tries = kReadsPerTransaction; tries > 0; --tries) {
        answer.fill(0);
        const size_t received = serialPort.Read(frame);
        std::this_thread::sleep_for(kSettleTime);

        uint8_t answeredFunction = answer[1];
        if (!rtu) {
            ModbusBuffer decoded{};
            DecodeAsciiFrame(frame, decoded);
            answeredFunction = decoded[1];
        }
        if (answeredFunction == exceptionFunction)
            return false;
        if (failOnOtherFunction && answeredFunction != function)
            return false;
        if (rtu) {
            const uint16_t crc = CModbusFrame::Crc16(frame.first(expectedLength - 2));
            crcHigh = static_cast<uint8_t>(crc >> 8);
            crcLow = static_cast<uint8_t>(crc & 0xFF);
        }
        if (received == expectedLength && CModbusFrame::CheckResponse(rtu, expectedLength, frame))
            return true;
    }
    return false;
}

} // namespace corvid
