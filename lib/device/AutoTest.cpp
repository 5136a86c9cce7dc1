#include "device/AutoTest.h"

#include "device/DriveParameter.h"
#include "device/SerialFraming.h"
#include "device/SerialPortNames.h"
#include "dictionaries/ConfigureFile.h"

#include <array>

namespace corvid {

namespace {

constexpr int kLastPort = 16;
constexpr uint8_t kFirstAddress = 1;
constexpr uint8_t kLastAddress = 254;

// Doubling from 4800, with 57600 in place of 76800, up to 115200.
constexpr std::array<uint32_t, 6> kBitRates = {4800, 9600, 19200, 38400, 57600, 115200};

// The framings in the order they are tried at each bit rate.
constexpr std::array<SerialFraming, 9> kTrials = {{
    {8, kParityNone, kStopBitsTwo, true},
    {8, kParityEven, kStopBitsOne, true},
    {8, kParityOdd, kStopBitsOne, true},
    {7, kParityNone, kStopBitsTwo, false},
    {7, kParityEven, kStopBitsOne, false},
    {7, kParityOdd, kStopBitsOne, false},
    {8, kParityNone, kStopBitsTwo, false},
    {8, kParityEven, kStopBitsOne, false},
    {8, kParityOdd, kStopBitsOne, false},
}};

class AutoTestRun {
public:
    AutoTestRun(CModbusMaster& master, IUserInterface& ui, const AutoTestScan& scan,
                const std::function<void(const std::string&)>& showStatus)
        : master_(master), ui_(ui), scan_(scan), showStatus_(showStatus) {}

    // Makes `port` the current port and finds its device once: every trial
    // on it opens the same line, and the mapping reads Configure.ini and
    // lists /dev.
    void SelectPort(int port) {
        master_.port = static_cast<uint8_t>(port);
        device_ = scan_.device.empty() ? SerialDevicePath(port) : scan_.device;
    }

    // Tries the bit rates and framings on the current port.
    bool TrySettings() {
        for (const uint32_t bitRate : kBitRates) {
            for (const SerialFraming& trial : kTrials) {
                master_.baud = bitRate;
                master_.SetFraming(trial);
                if (master_.stopRequested)
                    return false;
                if (Open() && ProbeOpenLine())
                    return true;
                ui_.PumpEvents();
            }
        }
        return false;
    }

    // One probe on the current port with the master's own settings.
    bool TryCurrent() {
        if (master_.stopRequested || !Open())
            return false;
        const bool answered = ProbeOpenLine();
        ui_.PumpEvents();
        return answered;
    }

    bool ScanAddresses() {
        for (int address = kFirstAddress; address <= kLastAddress && !master_.stopRequested;
             ++address) {
            master_.address = static_cast<uint8_t>(address);
            ShowState(std::to_string(address));
            const bool answered = master_.Probe();
            ui_.PumpEvents();
            if (answered)
                return true;
        }
        master_.serialPort.Close();
        return false;
    }

private:
    // One trial on the line just opened; it is closed again when nothing
    // answers. Trials show 255 whatever address they ask.
    bool ProbeOpenLine() {
        ShowState("255");
        if (master_.Probe())
            return true;
        master_.serialPort.Close();
        return false;
    }

    // A port number without a device has nothing to open.
    bool Open() { return !device_.empty() && master_.OpenPort(device_); }

    void ShowState(const std::string& address) {
        const std::string port = scan_.device.empty() ? PortName(master_.port) : scan_.device;
        showStatus_("State: " + port + ", " + std::to_string(master_.baud) + ", " +
                    FramingLabel(master_.Framing()) + ", " + address);
    }

    CModbusMaster& master_;
    IUserInterface& ui_;
    const AutoTestScan& scan_;
    const std::function<void(const std::string&)>& showStatus_;
    std::string device_; // of the current port
};

} // namespace

bool AutoTest(CModbusMaster& master, IUserInterface& ui, const AutoTestScan& scan,
              const std::function<void(const std::string&)>& showStatus) {
    master.serialPort.Close();
    master.function = kReadHoldingRegisters;
    master.quantity = 1;
    master.address = static_cast<uint8_t>(ConfigureInt("Comport", "testModbusID", 255));

    // A device path names one line: there are no other ports to scan.
    const bool scanPorts = scan.ports && scan.device.empty();
    const int firstPort = scanPorts ? 1 : master.port;
    const int lastPort = scanPorts ? kLastPort : master.port;
    AutoTestRun run(master, ui, scan, showStatus);
    for (int port = firstPort; port <= lastPort; ++port) {
        run.SelectPort(port);
        if (!(scan.settings ? run.TrySettings() : run.TryCurrent()))
            continue;
        if (!scan.address)
            return true;
        if (master.stopRequested) {
            master.serialPort.Close();
            return false;
        }
        return run.ScanAddresses();
    }
    return false;
}

} // namespace corvid
