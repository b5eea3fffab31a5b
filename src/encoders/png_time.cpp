#include <chrono>

#include "encoders/png_options.h"

namespace zorvane {

TPngTime SystemUtcTime() {
    using namespace std::chrono;
    const auto now = system_clock::now();
    const auto days = floor<std::chrono::days>(now);
    const year_month_day date{days};
    const hh_mm_ss time{floor<seconds>(now - days)};
    TPngTime t;
    t.year = static_cast<std::uint16_t>(static_cast<int>(date.year()));
    t.month = static_cast<std::uint8_t>(static_cast<unsigned>(date.month()));
    t.day = static_cast<std::uint8_t>(static_cast<unsigned>(date.day()));
    t.hour = static_cast<std::uint8_t>(time.hours().count());
    t.minute = static_cast<std::uint8_t>(time.minutes().count());
    t.second = static_cast<std::uint8_t>(time.seconds().count());
    return t;
}

}  // namespace zorvane
