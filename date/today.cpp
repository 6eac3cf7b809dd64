#include "date/today.h"

#include <ctime>

namespace hinomori::date {

std::chrono::year_month_day local_today()
{
    // libstdc++ 12 has no time-zone database, so the C library converts.
    const std::time_t now = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    using namespace std::chrono;
    return year{local.tm_year + 1900} / month{static_cast<unsigned>(local.tm_mon + 1)}
           / day{static_cast<unsigned>(local.tm_mday)};
}

}  // namespace hinomori::date
