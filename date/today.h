#pragma once

#include <chrono>

namespace hinomori::date {

// Today's date on the local calendar (the user's time zone), not UTC: at
// 08:00 in Tokyo the UTC date is still yesterday.
std::chrono::year_month_day local_today();

}  // namespace hinomori::date
