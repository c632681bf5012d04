// DecodeParamRecord on any reply, and the stability of its JSON form: what
// the control writes and reads back must write the same again.

#include "fuzz_reply.h"
#include "param_record.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Json::Value info;
    if (!vexo::fuzz::ReplyInfo(data, size, info)) {
        return 0;
    }
    ParamRecord record;
    record.plainParams["kept"] = "1";
    DecodeParamRecord(info, record);
    const Json::Value written = ParamRecordJson(record);

    ParamRecord again;
    DecodeParamRecord(written, again);
    vexo::fuzz::Require(ParamRecordJson(again) == written, "encode(decode(encode)) is stable");
    return 0;
}
