// libFuzzer target: the recorded-game reader on any bytes. What it accepts
// must be written back as the same text, and play through the engine to an
// end, reproducing or not, without a fault.
#include <cstdlib>
#include <string_view>

#include "app/replay.h"
#include "record/game_record.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    CGameRecord record;
    std::string error;
    if (!ParseRecord(text, record, error)) {
        if (error.empty()) std::abort();
        return 0;
    }
    CGameRecord again;
    if (!ParseRecord(RecordText(record), again, error) || !(again == record)) std::abort();
    static CReplayGame host;
    const CVerifyResult result = VerifyRecord(host, record);
    if (result.reproduces != result.failure.empty()) std::abort();
    return 0;
}
