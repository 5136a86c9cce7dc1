#include "devicenet/EDSParam.h"

#include "devicenet/EntryNumbers.h"

namespace corvid {

namespace {

uint32_t NumberOf(const std::unique_ptr<CEDSParam>& param) {
    return param->Number;
}

} // namespace

std::vector<uint32_t> ParamNumbers(const CEDSParamList& params) {
    return EntryNumbers(params, NumberOf);
}

uint32_t NextFreeParamNumber(const CEDSParamList& params) {
    return NextFreeNumber(params, NumberOf);
}

CEDSParam* FindParamNumbered(const CEDSParamList& params, uint32_t number) {
    if (number == 0)
        return nullptr;
    const std::vector<uint32_t> numbers = ParamNumbers(params);
    for (size_t i = 0; i < numbers.size(); ++i)
        if (numbers[i] == number)
            return params[i].get();
    return nullptr;
}

} // namespace corvid
