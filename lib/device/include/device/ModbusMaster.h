#pragma once

// The link to one drive: its line settings, the current request (slave
// address, function code, register, quantity), one send and one receive
// buffer, the serial port, and the identity and bookkeeping that drive
// reading and generation fill. A caller sets the request fields, then runs a
// transaction; the fields keep their values between transactions.

#include "device/ModbusFrame.h"
#include "device/SerialFraming.h"
#include "device/SerialPort.h"

#include <cstdint>
#include <span>
#include <string>

namespace corvid {

struct CCANopenEDS;
struct CDeviceNetEDS;
struct CEtherNetIPEDS;

class CModbusMaster {
public:
    CModbusMaster() = default;
    CModbusMaster(const CModbusMaster&) = delete;
    CModbusMaster& operator=(const CModbusMaster&) = delete;

    // One request; true when anything at all came back.
    bool Probe();
    // One checked transaction into receiveBuffer. A missing answer, an answer
    // with another function code and an exception answer fail at once; a
    // damaged answer is read again, up to 5 reads. In ASCII framing both
    // buffers hold binary bytes afterwards, so register k is at bytes 3 + 2k
    // and 4 + 2k in both framings.
    bool ReadRegisters();
    // The same into `buffer`; only an exception answer fails at once, and a
    // missing or damaged answer is read again, up to 5 reads.
    bool ReadRegistersInto(ModbusBuffer& buffer);

    // The bytes of an ASCII frame (see CModbusFrame::DecodeHexPairs).
    static size_t DecodeAsciiFrame(std::span<const uint8_t> text, std::span<uint8_t> out) {
        return CModbusFrame::DecodeHexPairs(text, out);
    }

    // The master's own line settings, with flow control none.
    SerialLineSettings LineSettings() const;
    // Data bits, parity, stop bits and Modbus framing, as one.
    SerialFraming Framing() const;
    void SetFraming(const SerialFraming& framing);
    // Opens `port` ("COM%d") or a device path with the master's own settings.
    bool OpenPort();
    bool OpenPort(const std::string& device);

    uint8_t port = 1;
    uint8_t address = 255;
    uint16_t quantity = 0;
    uint16_t registerAddress = 0x2110;
    bool stopRequested = false;
    uint32_t baud = 9600;
    uint8_t dataBits = 8;
    uint8_t parity = kParityNone;
    uint8_t stopBits = kStopBitsTwo;
    bool rtu = true;
    ModbusBuffer receiveBuffer{};
    ModbusBuffer sendBuffer{};
    uint8_t expectedLength = 0;
    uint8_t requestLength = 0;
    uint8_t function = 3;
    uint8_t crcHigh = 0;
    uint8_t crcLow = 0;
    // Not owned: the model being generated or loaded, owned by its flow.
    CCANopenEDS* canopenModel = nullptr;
    CDeviceNetEDS* devicenetModel = nullptr;
    CEtherNetIPEDS* ethernetipModel = nullptr;
    CSerialPort serialPort;
    uint16_t groupRegister = 0;
    uint16_t parameterRegister = 0;
    uint8_t groupParameterCount = 0;
    uint8_t groupCount = 0;
    uint8_t driveType = 0;
    uint8_t driveSubType = 0;
    uint8_t voltageClass = 0;
    uint16_t productCode = 0;
    std::string modelName;
    std::string modelSuffix;
    uint16_t extraIdentity = 0;

private:
    bool BuildCurrentRequest();
    void SendCurrentRequest();
    bool Transact(ModbusBuffer& answer, bool failOnOtherFunction);
};

} // namespace corvid
