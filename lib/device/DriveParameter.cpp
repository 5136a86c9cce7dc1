#include "device/DriveParameter.h"

#include <algorithm>
#include <array>

namespace corvid {

namespace {

// Address, function and byte count come before the first register.
constexpr size_t kAnswerHeader = 3;

constexpr std::array<uint8_t, 9> kSignedDriveTypes = {20, 21, 22, 23, 25, 31, 32, 200, 201};

int32_t BlockValue(uint16_t word, bool isSigned) {
    return isSigned ? static_cast<int32_t>(static_cast<int16_t>(word)) : static_cast<int32_t>(word);
}

} // namespace

bool ReadsBlocksWithFunction3(uint8_t driveType) {
    return driveType == 1 || driveType == 6 || driveType == 7;
}

bool HonoursSignedAttribute(uint8_t driveType) {
    return std::find(kSignedDriveTypes.begin(), kSignedDriveTypes.end(), driveType) !=
           kSignedDriveTypes.end();
}

std::span<const uint8_t> AnswerData(std::span<const uint8_t> frame) {
    if (frame.size() < kAnswerHeader)
        return frame.first(0);
    return frame.first(std::min(frame.size(), kAnswerHeader + frame[2]));
}

uint16_t AnswerWord(std::span<const uint8_t> answer, size_t k) {
    const size_t high = kAnswerHeader + 2 * k;
    if (high + 1 >= answer.size())
        return 0;
    return static_cast<uint16_t>(answer[high] << 8 | answer[high + 1]);
}

std::string CleanDriveName(std::span<const uint8_t> bytes) {
    std::string name;
    for (const uint8_t byte : bytes) {
        if (byte == 0)
            break;
        if (byte < 0x20 || byte == 0x7F)
            continue;
        name += byte == '"' ? '\'' : static_cast<char>(byte);
    }
    return name;
}

std::string AnswerName(std::span<const uint8_t> answer, size_t first, size_t registers) {
    const size_t begin = std::min(answer.size(), kAnswerHeader + 2 * first);
    const size_t end = std::min(answer.size(), begin + 2 * registers);
    return CleanDriveName(answer.subspan(begin, end - begin));
}

void DecodeParameterBlock(uint8_t driveType, std::span<const uint8_t> answer,
                          DriveParameter& parameter) {
    parameter.attribute = AnswerWord(answer, kBlockWordAttribute);
    const bool isSigned =
        HonoursSignedAttribute(driveType) && (parameter.attribute & kAttributeSigned) != 0;
    parameter.maximum = BlockValue(AnswerWord(answer, kBlockWordMaximum), isSigned);
    parameter.minimum = BlockValue(AnswerWord(answer, kBlockWordMinimum), isSigned);
    parameter.defaultValue = BlockValue(AnswerWord(answer, kBlockWordDefault), isSigned);
    parameter.name = AnswerName(answer, kBlockWordName, kDriveNameLength / 2);
}

} // namespace corvid
