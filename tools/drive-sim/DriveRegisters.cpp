#include "DriveRegisters.h"

#include "device/DriveParameter.h"

namespace corvid::sim {

namespace {

// The largest quantity one Modbus read may ask for.
constexpr uint16_t kMaxQuantity = 125;

uint16_t Word(int32_t value) {
    return static_cast<uint16_t>(value);
}

std::vector<uint16_t> DescriptionBlock(const SimParameter& parameter) {
    std::vector<uint16_t> block(kParameterBlockWords, 0);
    block[kBlockWordMaximum] = Word(parameter.maximum);
    block[kBlockWordMinimum] = Word(parameter.minimum);
    block[kBlockWordAttribute] = parameter.attribute;
    block[kBlockWordDefault] = Word(parameter.defaultValue);
    const std::vector<uint16_t> name = NameRegisters(parameter.name);
    std::copy(name.begin(), name.end(), block.begin() + kBlockWordName);
    return block;
}

RegisterRead Words(const std::vector<uint16_t>& source, uint16_t quantity) {
    if (quantity > source.size())
        return {kIllegalDataAddress, {}};
    return {0, std::vector<uint16_t>(source.begin(), source.begin() + quantity)};
}

} // namespace

std::vector<uint16_t> NameRegisters(const std::string& name) {
    std::vector<uint16_t> words(kGroupNameRegisters, 0);
    for (size_t k = 0; k < name.size() && k < kDriveNameLength; ++k) {
        const auto byte = static_cast<uint8_t>(name[k]);
        words[k / 2] |= static_cast<uint16_t>(k % 2 == 0 ? byte << 8 : byte);
    }
    return words;
}

CDriveRegisters::CDriveRegisters(const DriveDescription& drive) : driveType_(drive.driveType) {
    const auto groupCount = static_cast<uint16_t>(drive.groups.size());
    plain_[kIdentityRegister] = static_cast<uint16_t>(drive.driveType << 8 | drive.driveSubType);
    plain_[kIdentityRegister + 1] = groupCount;
    plain_[kIdentityRegister + 2] = drive.extraIdentity;
    if (drive.rating)
        plain_[kRatingRegister] = *drive.rating;
    for (uint16_t i = 0; i < groupCount; ++i) {
        const SimGroup& group = drive.groups[i];
        // The count less one, in one byte: an empty group reads 0xFF.
        plain_[GroupTableRegister(groupCount, i)] =
            static_cast<uint8_t>(group.parameters.size() - 1);
        names_[static_cast<uint16_t>(kGroupNameRegister + i)] = NameRegisters(group.name);
        for (uint16_t j = 0; j < group.parameters.size(); ++j) {
            const uint16_t address = ParameterRegister(i, j);
            blocks_[address] = DescriptionBlock(group.parameters[j]);
            // A plain read of a parameter gives its value, here its default.
            plain_[address] = Word(group.parameters[j].defaultValue);
        }
    }
}

const std::vector<uint16_t>* CDriveRegisters::BlockAt(uint16_t first) const {
    const auto found = blocks_.find(first);
    return found == blocks_.end() ? nullptr : &found->second;
}

const std::vector<uint16_t>* CDriveRegisters::NameAt(uint16_t first) const {
    const auto found = names_.find(first);
    return found == names_.end() ? nullptr : &found->second;
}

RegisterRead CDriveRegisters::Read(uint8_t function, uint16_t first, uint16_t quantity) const {
    if (function != kReadHoldingRegisters && function != kReadDescriptionBlock)
        return {kIllegalFunction, {}};
    if (quantity == 0 || quantity > kMaxQuantity)
        return {kIllegalDataValue, {}};
    const bool blocksByFunction3 = ReadsBlocksWithFunction3(driveType_);
    if (function == kReadDescriptionBlock) {
        if (blocksByFunction3)
            return {kIllegalFunction, {}};
        const auto* block = BlockAt(first);
        return block != nullptr ? Words(*block, quantity) : RegisterRead{kIllegalDataAddress, {}};
    }
    if (const auto* name = NameAt(first))
        return Words(*name, quantity);
    if (const auto* block = BlockAt(first); block != nullptr && blocksByFunction3)
        return Words(*block, quantity);
    RegisterRead read;
    for (uint32_t address = first; address < uint32_t{first} + quantity; ++address) {
        const auto found = plain_.find(static_cast<uint16_t>(address));
        if (found == plain_.end())
            return {kIllegalDataAddress, {}};
        read.words.push_back(found->second);
    }
    return read;
}

} // namespace corvid::sim
