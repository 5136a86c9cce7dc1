#include "devicenet/EDSParam.h"

#include "devicenet/EntryNumbers.h"

namespace corvid {

namespace {

uint32_t NumberOf(const CEDSParam& param) {
    return param.Number;
}

} // namespace

std::vector<uint32_t> ParamNumbers(const CEDSParamList& params) {
    return EntryNumbers(params, NumberOf);
}

uint32_t NextFreeParamNumber(const CEDSParamList& params) {
    return NextFreeNumber(params, NumberOf);
}

} // namespace corvid
