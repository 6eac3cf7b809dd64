#include "conversion/main_window.h"

#include "conversion/convert.h"
#include "conversion/window_texts.h"

#include <optional>

namespace hinomori::conversion {

namespace {

constexpr std::u16string_view year_box = u"txtNen";
constexpr std::u16string_view month_day_box = u"txtMmdd";
constexpr std::u16string_view converted_year_box = u"txtNenConv";
constexpr std::u16string_view weekday_box = u"txtWeek";

}  // namespace

void open_on(MainWindowView& window, std::chrono::year_month_day today)
{
    const StartTexts start = start_texts(today);
    window.set_text(year_box, start.year_box);
    window.set_text(month_day_box, start.month_day_box);
    window.set_text(weekday_box, start.weekday);
    window.set_text(converted_year_box, start.converted_year);
}

void run_conversion(MainWindowView& window)
{
    window.set_emphasis(false);
    const std::u16string typed_year = window.text(year_box);
    const ConversionResult result = convert(typed_year, window.text(month_day_box));
    if (result.year_box)
        window.set_text(year_box, *result.year_box);
    if (result.converted_year)
        window.set_text(converted_year_box, *result.converted_year);
    if (result.weekday)
        window.set_text(weekday_box, *result.weekday);
    if (result.era_change_year)
        window.set_emphasis(true);

    if (result.warning) {
        const bool to_year = warning_target(*result.warning) == WarningTarget::year_box;
        window.warn(warning_text(*result.warning), to_year ? year_box : month_day_box);
        return;
    }
    // The focus stays where the user typed, so the result is spoken.
    const std::u16string year = window.text(year_box);
    window.announce(result_announcement(year != typed_year ? std::optional<std::u16string_view>(year) : std::nullopt,
                                        window.text(converted_year_box), window.text(weekday_box),
                                        result.era_change_year));
}

}  // namespace hinomori::conversion
