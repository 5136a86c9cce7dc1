// The master against a scripted drive on the far end of a pseudo-terminal,
// in both framings.

#include "device/ModbusMaster.h"
#include "device/SerialException.h"

#include "PtyPair.h"

#include <gtest/gtest.h>

#include <chrono>
#include <mutex>
#include <poll.h>
#include <thread>
#include <vector>

namespace corvid {
namespace {

using test::PtyPair;
using Bytes = std::vector<uint8_t>;

constexpr uint8_t kDrive = 7;

Bytes Answer(bool rtu, uint8_t function, const std::vector<uint16_t>& registers) {
    Bytes payload = {static_cast<uint8_t>(2 * registers.size())};
    for (uint16_t value : registers) {
        payload.push_back(static_cast<uint8_t>(value >> 8));
        payload.push_back(static_cast<uint8_t>(value & 0xFF));
    }
    ModbusBuffer frame{};
    const size_t length = CModbusFrame::BuildAnswer(kDrive, rtu, function, payload, frame);
    return Bytes(frame.begin(), frame.begin() + length);
}

Bytes ExceptionAnswer(bool rtu, uint8_t function, uint8_t code) {
    ModbusBuffer frame{};
    const size_t length = CModbusFrame::BuildAnswer(
        kDrive, rtu, static_cast<uint8_t>(function | kModbusExceptionFlag), Bytes{code}, frame);
    return Bytes(frame.begin(), frame.begin() + length);
}

// The same answer with a CRC or LRC that does not match.
Bytes Damaged(Bytes frame, bool rtu) {
    uint8_t& check = frame[frame.size() - (rtu ? 1 : 3)];
    check = rtu ? static_cast<uint8_t>(check ^ 0xFF) : (check == '0' ? '1' : '0');
    return frame;
}

// Plays the drive: reads whole requests and answers request i with the byte
// chunks of script[i], back to back; past the script it stays silent.
class ScriptedDrive {
public:
    ScriptedDrive(int fd, bool rtu, std::vector<std::vector<Bytes>> script)
        : fd_(fd), rtu_(rtu), script_(std::move(script)),
          thread_([this](std::stop_token stop) { Run(stop); }) {}

    std::vector<ModbusRequest> Requests() {
        std::lock_guard lock(mutex_);
        return requests_;
    }

private:
    void Run(std::stop_token stop) {
        const size_t requestLength = rtu_ ? kRtuRequestLength : kAsciiRequestLength;
        Bytes pending;
        while (!stop.stop_requested()) {
            pollfd entry{fd_, POLLIN, 0};
            if (::poll(&entry, 1, 20) <= 0)
                continue;
            uint8_t chunk[64];
            const ssize_t count = ::read(fd_, chunk, sizeof chunk);
            if (count <= 0)
                continue;
            pending.insert(pending.end(), chunk, chunk + count);
            while (pending.size() >= requestLength) {
                ModbusRequest request;
                CModbusFrame::ParseRequest(rtu_, std::span(pending).first(requestLength), request);
                pending.erase(pending.begin(), pending.begin() + requestLength);
                size_t index;
                {
                    std::lock_guard lock(mutex_);
                    index = requests_.size();
                    requests_.push_back(request);
                }
                if (index >= script_.size())
                    continue;
                for (const Bytes& reply : script_[index])
                    ASSERT_EQ(::write(fd_, reply.data(), reply.size()),
                              static_cast<ssize_t>(reply.size()));
            }
        }
    }

    int fd_;
    bool rtu_;
    std::vector<std::vector<Bytes>> script_;
    std::mutex mutex_;
    std::vector<ModbusRequest> requests_;
    std::jthread thread_; // last: starts once everything it uses exists
};

class ModbusMasterTest : public testing::TestWithParam<bool> {
protected:
    void SetUp() override {
        ASSERT_TRUE(pty.ok());
        master.rtu = rtu;
        master.address = kDrive;
        master.function = 3;
        master.registerAddress = 0x2110;
        master.quantity = 3;
        if (!rtu) {
            master.dataBits = 7;
            master.parity = kParityEven;
            master.stopBits = kStopBitsOne;
        }
        ASSERT_TRUE(master.OpenPort(pty.path()));
    }

    // Register k of the last answer, at the same place in both framings.
    uint16_t Register(const ModbusBuffer& buffer, size_t k) const {
        return static_cast<uint16_t>(buffer[3 + 2 * k] << 8 | buffer[4 + 2 * k]);
    }

    const bool rtu = GetParam();
    PtyPair pty;
    CModbusMaster master;
};

TEST_P(ModbusMasterTest, GoodAnswersToFunction3AndFunction0x63) {
    std::vector<uint16_t> block(15);
    for (size_t k = 0; k < block.size(); ++k)
        block[k] = static_cast<uint16_t>(0x1000 + k);
    ScriptedDrive drive(pty.far(), rtu,
                        {{Answer(rtu, 3, {0x0714, 0x0005, 0xBEEF})}, {Answer(rtu, 0x63, block)}});
    ASSERT_TRUE(master.ReadRegisters());
    // Binary bytes in both framings afterwards, lengths included.
    EXPECT_EQ(Bytes(master.receiveBuffer.begin(), master.receiveBuffer.begin() + 9),
              (Bytes{kDrive, 3, 6, 0x07, 0x14, 0x00, 0x05, 0xBE, 0xEF}));
    EXPECT_EQ(master.expectedLength, 2 * 3 + 5);
    EXPECT_EQ(Bytes(master.sendBuffer.begin(), master.sendBuffer.begin() + 6),
              (Bytes{kDrive, 3, 0x21, 0x10, 0x00, 0x03}));
    EXPECT_EQ(master.requestLength, 8);

    master.function = 0x63;
    master.quantity = 15;
    master.registerAddress = 0x0102;
    ModbusBuffer buffer;
    buffer.fill(0xEE);
    ASSERT_TRUE(master.ReadRegistersInto(buffer));
    EXPECT_EQ(buffer[1], 0x63);
    for (size_t k = 0; k < block.size(); ++k)
        EXPECT_EQ(Register(buffer, k), block[k]) << k;
    // Nothing of the answer lies past its end.
    EXPECT_EQ(buffer[2 * 15 + 5], 0);

    const std::vector<ModbusRequest> requests = drive.Requests();
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[0].address, kDrive);
    EXPECT_EQ(requests[0].registerAddress, 0x2110);
    EXPECT_EQ(requests[0].value, 3);
    EXPECT_EQ(requests[1].function, 0x63);
    EXPECT_EQ(requests[1].registerAddress, 0x0102);
}

TEST_P(ModbusMasterTest, ExceptionAnswerFailsAtOnceInBothTransactions) {
    // A good answer right behind the exception would be taken by a re-read.
    const Bytes good = Answer(rtu, 3, {1, 2, 3});
    ScriptedDrive drive(pty.far(), rtu,
                        {{ExceptionAnswer(rtu, 3, 2), good}, {ExceptionAnswer(rtu, 3, 2), good}});
    EXPECT_FALSE(master.ReadRegisters());
    EXPECT_EQ(master.receiveBuffer[1], 0x83);
    EXPECT_EQ(master.receiveBuffer[2], 2);
    ModbusBuffer buffer{};
    EXPECT_FALSE(master.ReadRegistersInto(buffer));
    EXPECT_EQ(buffer[1], 0x83);
    EXPECT_EQ(drive.Requests().size(), 2u);
}

TEST_P(ModbusMasterTest, DamagedAnswersAreReadAgainUpToFiveTimes) {
    const Bytes good = Answer(rtu, 3, {0x1111, 0x2222, 0x3333});
    const Bytes bad = Damaged(good, rtu);
    ScriptedDrive drive(pty.far(), rtu,
                        {
                            {bad, good},                // read again: good
                            {bad, bad, bad, bad, good}, // the fifth read is good
                            {bad, bad, bad, bad, bad, good},
                        });
    ASSERT_TRUE(master.ReadRegisters());
    EXPECT_EQ(Register(master.receiveBuffer, 2), 0x3333);
    ModbusBuffer buffer{};
    ASSERT_TRUE(master.ReadRegistersInto(buffer));
    EXPECT_EQ(Register(buffer, 0), 0x1111);
    // Five damaged reads end the transaction; the good answer behind them is
    // never read.
    EXPECT_FALSE(master.ReadRegisters());
    EXPECT_EQ(drive.Requests().size(), 3u);
}

TEST_P(ModbusMasterTest, AnswerToAnotherFunctionFailsOnlyReadRegistersAtOnce) {
    const Bytes other = Damaged(Answer(rtu, 4, {9, 9, 9}), rtu);
    const Bytes good = Answer(rtu, 3, {4, 5, 6});
    ScriptedDrive drive(pty.far(), rtu, {{other, good}, {other, good}});
    EXPECT_FALSE(master.ReadRegisters());
    ModbusBuffer buffer{};
    EXPECT_TRUE(master.ReadRegistersInto(buffer));
    EXPECT_EQ(Register(buffer, 2), 6);
}

TEST_P(ModbusMasterTest, LateAnswerOfAnEarlierRequestIsNotTaken) {
    ScriptedDrive drive(pty.far(), rtu, {{Answer(rtu, 3, {0xAAAA, 0xBBBB, 0xCCCC})}});
    // An answer that came after its request's time-out waits on the line.
    const Bytes late = Answer(rtu, 3, {0xDEAD, 0xDEAD, 0xDEAD});
    ASSERT_EQ(::write(pty.far(), late.data(), late.size()), static_cast<ssize_t>(late.size()));
    ::usleep(20000);
    ASSERT_TRUE(master.ReadRegisters());
    EXPECT_EQ(Register(master.receiveBuffer, 0), 0xAAAA);
}

TEST_P(ModbusMasterTest, ProbeSucceedsOnAnyAnswer) {
    // Not a Modbus frame at all, as long as something comes back.
    ScriptedDrive drive(pty.far(), rtu, {{Bytes(rtu ? 11 : 23, 'x')}});
    EXPECT_TRUE(master.Probe());
    EXPECT_EQ(drive.Requests().size(), 1u);
}

TEST_P(ModbusMasterTest, QuantityBeyondTheBuffersIsRefusedWithoutSending) {
    // 61 registers fill 127 bytes in RTU, 29 fill 127 characters in ASCII.
    master.quantity = rtu ? 62 : 30;
    ModbusBuffer buffer{};
    EXPECT_FALSE(master.ReadRegisters());
    EXPECT_FALSE(master.ReadRegistersInto(buffer));
    EXPECT_FALSE(master.Probe());
    master.quantity = 0xFFFF;
    EXPECT_FALSE(master.ReadRegisters());
    pollfd entry{pty.far(), POLLIN, 0};
    EXPECT_EQ(::poll(&entry, 1, 0), 0) << "a request went out";

    master.quantity = rtu ? 61 : 29;
    std::vector<uint16_t> registers(master.quantity, 0x4242);
    ScriptedDrive drive(pty.far(), rtu, {{Answer(rtu, 3, registers)}});
    ASSERT_TRUE(master.ReadRegisters());
    EXPECT_EQ(Register(master.receiveBuffer, master.quantity - 1), 0x4242);
}

// Each read of a silent line waits out the whole time-out: 6 reads here.
TEST_P(ModbusMasterTest, SilentLineEndsReadRegistersAfterOneReadAndTheOtherAfterFive) {
    ScriptedDrive drive(pty.far(), rtu, {});
    EXPECT_FALSE(master.ReadRegisters());
    EXPECT_EQ(drive.Requests().size(), 1u);
    ModbusBuffer buffer{};
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(master.ReadRegistersInto(buffer));
    EXPECT_GE(std::chrono::steady_clock::now() - start, 5 * kSerialTimeout);
    EXPECT_EQ(buffer, ModbusBuffer{});
    EXPECT_EQ(drive.Requests().size(), 2u);
}

INSTANTIATE_TEST_SUITE_P(Framings, ModbusMasterTest, testing::Values(true, false),
                         [](const testing::TestParamInfo<bool>& info) {
                             return info.param ? "Rtu" : "Ascii";
                         });

TEST(CModbusMaster, TransactionOnAClosedPortRaises) {
    CModbusMaster master;
    master.quantity = 1;
    // Discarding the queues of a closed port is a hard failure, as the system
    // reports it for a closed handle.
    EXPECT_THROW(master.ReadRegisters(), CSerialException);
}

} // namespace
} // namespace corvid
