#include "device/SerialFraming.h"

namespace corvid {

void ApplyFramingText(std::string_view text, SerialFraming& framing) {
    if (!text.empty() && text[0] >= '0' && text[0] <= '9')
        framing.dataBits = static_cast<uint8_t>(text[0] - '0');
    if (text.size() > 2) {
        switch (text[2]) {
        case 'N':
            framing.parity = kParityNone;
            break;
        case 'E':
            framing.parity = kParityEven;
            break;
        case 'O':
            framing.parity = kParityOdd;
            break;
        default:
            break;
        }
    }
    if (text.size() > 4) {
        if (text[4] == '1')
            framing.stopBits = kStopBitsOne;
        else if (text[4] == '2')
            framing.stopBits = kStopBitsTwo;
    }
    framing.rtu = text.find("RTU") != std::string_view::npos;
}

std::string FramingLabel(const SerialFraming& framing) {
    std::string label = std::to_string(framing.dataBits);
    switch (framing.parity) {
    case kParityNone:
        label += " N 2";
        break;
    case kParityOdd:
        label += " O 1";
        break;
    default:
        label += " E 1";
        break;
    }
    label += framing.rtu ? " RTU" : " ASCII";
    return label;
}

} // namespace corvid
