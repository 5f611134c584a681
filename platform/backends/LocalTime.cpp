#include "backends/LocalTime.h"

#include <chrono>
#include <ctime>

namespace platform {

SYSTEMTIME RealLocalTime() {
    using namespace std::chrono;
    auto now = system_clock::now();
    std::time_t seconds = system_clock::to_time_t(now);
    std::tm local{};
    localtime_r(&seconds, &local);
    auto ms = duration_cast<milliseconds>(now.time_since_epoch()).count() % 1000;
    return SYSTEMTIME{static_cast<WORD>(local.tm_year + 1900), static_cast<WORD>(local.tm_mon + 1),
                      static_cast<WORD>(local.tm_wday), static_cast<WORD>(local.tm_mday),
                      static_cast<WORD>(local.tm_hour), static_cast<WORD>(local.tm_min),
                      static_cast<WORD>(local.tm_sec), static_cast<WORD>(ms)};
}

}  // namespace platform
