// The almanac tables (lunar year records, solar-term days) and the functions that read them.
#include "calendar/almanac.h"

#include "common/errors.h"

#include <cstdint>
#include <string_view>

namespace mingshu::calendar {
namespace {

using namespace std::chrono;

// One record per solar year from 1901, bytes 0 to 3 from the high end:
// byte 0 bit 7 — the lunar month in progress on 1 January is the 12th (set) or the 11th (clear);
// byte 0 bits 0–6 — the lunar day of 1 January;
// bytes 1–2 — bit 15 − k set: the k-th month from the one in progress on 1 January has 30 days, else 29;
// byte 3 — the month followed by a leap month of the same number, 0 for none.
constexpr std::array<std::uint32_t, 150> kLunarYears = {
    0x0B52BA00, 0x16A95D00, 0x83A93705, 0x0E749B00, 0x1AB65500, // 1901
    0x87B55504, 0x1155AA00, 0x1CA6B500, 0x8AA57502, 0x1452BA00, // 1906
    0x81526E06, 0x0DE93700, 0x18749700, 0x86EA9605, 0x106D5500, // 1911
    0x1A35AA00, 0x884B6A02, 0x13A56D00, 0x1ED26E07, 0x0BD25E00, // 1916
    0x17E92E00, 0x84D92D05, 0x0FDA9500, 0x195B5200, 0x8756D404, // 1921
    0x114ADA00, 0x1CA55D00, 0x89A4BD02, 0x15D25D00, 0x82B25B06, // 1926
    0x0DB52B00, 0x18BA9500, 0x86B6A505, 0x1056B400, 0x1A4ADA00, // 1931
    0x8749BA03, 0x13A4BB00, 0x1EB25B07, 0x0B725700, 0x16752B00, // 1936
    0x846D2A06, 0x0FAD5500, 0x1955AA00, 0x86556C04, 0x12C97600, // 1941
    0x1C64B700, 0x8AE4AE02, 0x15EA5600, 0x83DA5507, 0x0D5B2A00, // 1946
    0x18AD5500, 0x85AAD505, 0x10536A00, 0x1BA96D00, 0x88A95D03, // 1951
    0x13D4AE00, 0x81D4AB08, 0x0CBA5500, 0x165AAA00, 0x8356AA06, // 1956
    0x0FAAD500, 0x1952DA00, 0x8652BA04, 0x11A95D00, 0x1DD49B00, // 1961
    0x8A749B03, 0x15B65500, 0x82AD5507, 0x0D55AA00, 0x18A5B500, // 1966
    0x85A57505, 0x0F52B600, 0x1B693700, 0x89E93704, 0x13749700, // 1971
    0x81EA9608, 0x0C6D5200, 0x162DAA00, 0x834B6A06, 0x0EA56D00, // 1976
    0x1AD26E00, 0x87D25E04, 0x12E92E00, 0x1DEC960A, 0x0BDA9500, // 1981
    0x155B5200, 0x8256D206, 0x0C2ADA00, 0x18A4DD00, 0x85A4BD05, // 1986
    0x10D25D00, 0x1BD92D00, 0x89B52B03, 0x14BA9500, 0x81B59508, // 1991
    0x0B56B200, 0x162ADA00, 0x8349B605, 0x0E64BB00, 0x19B25B00, // 1996
    0x876A5704, 0x12752B00, 0x1DB69500, 0x8AAD5502, 0x1555AA00, // 2001
    0x82556C07, 0x0DC97600, 0x1764B700, 0x86E4AE05, 0x11EA5600, // 2006
    0x1B6D2A00, 0x885AAA04, 0x14AD5500, 0x81AAD509, 0x0B52EA00, // 2011
    0x16A96D00, 0x84A95D06, 0x0FD4AE00, 0x1AEA4D00, 0x87BA5504, // 2016
    0x125AAA00, 0x1DAB5500, 0x8AA6D502, 0x1452DA00, 0x8252BA06, // 2021
    0x0DA93B00, 0x18B49B00, 0x85749B05, 0x11B54D00, 0x1CD6A900, // 2026
    0x8835AA03, 0x13A5B500, 0x81A5750B, 0x0B52B600, 0x16693700, // 2031
    0x84E92F06, 0x10F49700, 0x1A754B00, 0x876D5205, 0x112D6900, // 2036
    0x1D95B500, 0x8AA56D02, 0x15D26E00, 0x82D25E07, 0x0EE92E00, // 2041
    0x19EA9600, 0x86DA9505, 0x105B4A00, 0x1CAB6900, 0x882AD803, // 2046
};

// One row per solar year from 1901, one byte per month from January: the high half h puts the month's first
// solar term on day 15 − h, the low half l the second on day 15 + l.
constexpr std::array<std::string_view, 150> kSolarTermRows = {
    "96B496A69797787979697877", "96A496969787797979697878", "96A587968787796969697878", // 1901
    "86A596A59697887878797887", "96B496A69797787979697877", "96A496969797797979697878", // 1904
    "96A587968787796969697878", "86A596A59697887878697887", "96B496A69797787979697877", // 1907
    "96A496969797797979697878", "96A587968787796969697878", "86A596A59697887878697887", // 1910
    "95B496A69797787979697877", "96B496A69797797979697878", "96A597969787797969697878", // 1913
    "96A596A59697887878797787", "95B496A69697787978697887", "96B496A69797797979697877", // 1916
    "96A597969787797969697878", "96A596A59697887878797787", "95B496A59697787978697887", // 1919
    "96B496A69797797979697877", "96A496969787797969697878", "96A596A59697887878797787", // 1922
    "95B496A59697787978697887", "96B496A69797787979697877", "96A496969787797979697878", // 1925
    "96A596A59696887878788787", "95B496A59697887878797787", "96B496A69797787979697877", // 1928
    "96A496969787797979697878", "96A596A59696887878788787", "95B496A59697887878697887", // 1931
    "96B496A69797787979697877", "96A496969797797979697878", "96A596A59696887878788787", // 1934
    "95B496A59697887878697887", "96B496A69797787979697877", "96A496969797797979697878", // 1937
    "96A596A59696887878788787", "95B496A59697887878697887", "96B496A69797787979697877", // 1940
    "96A496969797797979697878", "96A596A5A696887878788787", "95B496A59697887878797787", // 1943
    "95B496A69797787978697877", "96B496A69797797979697878", "96A5A6A5A696888878788787", // 1946
    "A5B496A59697887978797787", "95B496A59697787978697877", "96B496A69797797979697878", // 1949
    "96A5A6A5A696888878788787", "A5B496A59697887878797787", "95B496A59697787978687887", // 1952
    "96B496A69797787979697877", "96A5A5A5A696888878788787", "A5B496A59697887878797787", // 1955
    "95B496A59697887878697887", "96B496A69797787979697877", "96A4A5A5A696888888788787", // 1958
    "A5B496A59696887878788787", "96B496A59697887878697887", "96B496A69797787979697877", // 1961
    "96A4A5A5A696888888788787", "A5B496A59696887878788787", "95B496A59697887878697887", // 1964
    "96B496A69797787979697877", "96A4A5A5A6A6888888788787", "A5B496A59696887878788787", // 1967
    "95B496A59697887878697887", "96B496A69797787979697877", "96A4A5A5A6A6888888788787", // 1970
    "A5B596A5A696887878788787", "95B496A59697887878697887", "96B496A69797787978697877", // 1973
    "96A4A5B5A6A6888988788787", "A5B496A59696888878788787", "95B496A59697887878797887", // 1976
    "96B496A69697787978697877", "96A4A5B5A6A6888888788787", "A5B496A5A696888878787787", // 1979
    "95B496A59697887878797787", "95B496A59697787978697877", "96B4A5B5A6A6878888788787", // 1982
    "A5B4A6A5A696888878788787", "A5B496A59697887878797787", "95B496A59697887978697887", // 1985
    "96B4A5B5A6A6878888788786", "A5B4A5A5A696888888788787", "A5B496A59696887878797787", // 1988
    "95B496A58697887878697887", "96B4A5B5A6A6878888788786", "A5B3A5A5A696888888788787", // 1991
    "A5B496A59696887878788787", "95B496A59697887678697887", "96B4A5B5A6A6878888788786", // 1994
    "A5B3A5A5A6A6888888788787", "A5B496A59696887878788787", "95B496A59697887878697887", // 1997
    "96B4A5B5A6A6878888788786", "A5B3A5A5A6A6888888788787", "A5B496A59696887878788787", // 2000
    "95B496A59697887878697887", "96B4A5B5A6A6878888788786", "A5B3A5A5A6A6888888788787", // 2003
    "A5B496A5A696888878788787", "95B496A59697887878697887", "96B4A5B5A6A6878887788786", // 2006
    "A5B3A5B5A6A6888888788787", "A5B496A5A696888878788787", "95B496A59697887878797887", // 2009
    "96B4A5B5A5A6878887788786", "A5B3A5B5A6A6878888788787", "A5B496A5A696888878788787", // 2012
    "95B496A59697887878797787", "95B4A5B4A5A6878887788786", "A5C3A5B5A6A6878888788787", // 2015
    "A5B4A6A5A696888878788787", "A5B496A59696887878797787", "95B4A5B4A5A6978787788786", // 2018
    "A5C3A5B5A6A6878888788786", "A5B4A5A5A696888888788787", "A5B496A59696887878797787", // 2021
    "95B4A5B4A5A6978787788796", "A5C3A5B5A6A6878888788786", "A5B3A5A5A6A6888888788787", // 2024
    "A5B496A59696887878788787", "95B4A5B4A5A6978787788796", "A5C3A5B5A6A6878888788786", // 2027
    "A5B3A5A5A6A6888888788787", "A5B496A59696887878788787", "95B4A5B4A5A6978787788796", // 2030
    "A5C3A5B5A6A6888888788786", "A5B3A5A5A6A6887888788787", "A5B496A5A696888878788787", // 2033
    "95B4A5B4A5A6978787788796", "A5C3A5B5A6A6878888788786", "A5B3A5A5A6A6888888788787", // 2036
    "A5B496A5A696888878788787", "95B4A5B4A5A6978787788796", "A5C3A5B5A5A6878887788786", // 2039
    "A5B3A5B5A6A6888888788787", "A5B496A5A696888878788787", "95B4A5B4A5A6978787888796", // 2042
    "A5C3A5B4A5A6878887788786", "A5B3A5B5A6A6878888788787", "A5B496A5A696888878788787", // 2045
    "95B4A5B4A5A5978787888696", "A4C3A5A5A5A6978787788786", "A5C3A5B5A6A6878878788787", // 2048
};

// Entries where the rows above, as they have long been copied, put a new moon or a solar term on the wrong day;
// the observatory's almanac and a computation of the sun's and moon's positions agree on these values.
constexpr std::array<std::pair<int, std::uint32_t>, 2> kLunarYearFixes = {{
    {1989, 0x18A55D00}, // the sixth month has 30 days: 1989-08-02 is 七月初一
    {2013, 0x14AB5500}, // the fifth month begins on 2013-06-08
}};

struct TermFix {
    int year;
    int month;
    std::uint8_t byte;
};
constexpr std::array<TermFix, 16> kSolarTermFixes = {{
    {1904, 10, 0x69},
    {1929, 10, 0x69},
    {1929, 11, 0x78},
    {1949, 8, 0x78},
    {1954, 10, 0x69},
    {1962, 1, 0x95},
    {1973, 2, 0xB4},
    {1976, 8, 0x88},
    {1977, 5, 0xA6},
    {1981, 11, 0x87},
    {1991, 5, 0x96},
    {1995, 8, 0x78},
    {2033, 7, 0x87},
    {2034, 8, 0x88},
    {2049, 4, 0xB4},
    {2050, 9, 0x88},
}};

constexpr int kYears = kAlmanacLastYear - kAlmanacFirstYear + 1;

constexpr std::array<std::uint32_t, kYears> MendedLunarYears() {
    auto table = kLunarYears;
    for (const auto &[year, record] : kLunarYearFixes)
        table[static_cast<std::size_t>(year - kAlmanacFirstYear)] = record;
    return table;
}

constexpr int HexDigit(char c) {
    return c <= '9' ? c - '0' : c - 'A' + 10;
}

constexpr std::array<std::uint8_t, kYears * 12> MendedSolarTerms() {
    std::array<std::uint8_t, kYears * 12> bytes{};
    for (std::size_t y = 0; y < kSolarTermRows.size(); ++y)
        for (std::size_t m = 0; m < 12; ++m)
            bytes[y * 12 + m] = static_cast<std::uint8_t>(HexDigit(kSolarTermRows[y][2 * m]) * 16 +
                                                          HexDigit(kSolarTermRows[y][2 * m + 1]));
    for (const auto &fix : kSolarTermFixes)
        bytes[static_cast<std::size_t>((fix.year - kAlmanacFirstYear) * 12 + fix.month - 1)] = fix.byte;
    return bytes;
}

constexpr auto kYearRecords = MendedLunarYears();
constexpr auto kTermBytes = MendedSolarTerms();

constexpr std::array<const char *, 12> kMonthNames = {"正", "二", "三", "四", "五", "六",
                                                      "七", "八", "九", "十", "冬", "腊"};
constexpr std::array<const char *, 30> kDayNames = {"初一", "初二", "初三", "初四", "初五", "初六", "初七", "初八",
                                                    "初九", "初十", "十一", "十二", "十三", "十四", "十五", "十六",
                                                    "十七", "十八", "十九", "二十", "廿一", "廿二", "廿三", "廿四",
                                                    "廿五", "廿六", "廿七", "廿八", "廿九", "三十"};
constexpr std::array<const char *, 24> kTermNames = {"小寒", "大寒", "立春", "雨水", "惊蛰", "春分", "清明", "谷雨",
                                                     "立夏", "小满", "芒种", "夏至", "小暑", "大暑", "立秋", "处暑",
                                                     "白露", "秋分", "寒露", "霜降", "立冬", "小雪", "大雪", "冬至"};
// Counted from 1972, a year of the rat.
constexpr std::array<const char *, 12> kZodiacNames = {"子鼠", "丑牛", "寅虎", "卯兔", "辰龙", "巳蛇",
                                                       "午马", "未羊", "申猴", "酉鸡", "戌狗", "亥猪"};

struct LunarFestival {
    int day;
    const char *month_name;
    const char *name;
};
constexpr std::array<LunarFestival, 7> kLunarFestivals = {{
    {1, "正月", "春节"},
    {5, "五月", "端午节"},
    {7, "七月", "七夕节"},
    {8, "腊月", "腊八节"},
    {9, "九月", "重阳节"},
    {15, "八月", "中秋节"},
    {15, "正月", "元宵节"},
}};

// A festival on a fixed day, or on the n-th given weekday of its month when `nth` is not 0.
struct SolarFestival {
    int month;
    int day;
    int nth;
    unsigned weekday; // 0 Sunday … 6 Saturday
    const char *name;
};
constexpr std::array<SolarFestival, 18> kSolarFestivals = {{
    {1, 1, 0, 0, "元旦节"},
    {2, 14, 0, 0, "情人节"},
    {3, 8, 0, 0, "妇女节"},
    {4, 1, 0, 0, "愚人节"},
    {5, 1, 0, 0, "劳动节"},
    {5, 4, 0, 0, "青年节"},
    {5, 0, 2, 0, "母亲节"},
    {6, 1, 0, 0, "儿童节"},
    {6, 0, 3, 0, "父亲节"},
    {7, 1, 0, 0, "建党节"},
    {8, 1, 0, 0, "建军节"},
    {9, 10, 0, 0, "教师节"},
    {10, 1, 0, 0, "国庆节"},
    {10, 6, 0, 0, "老人节"},
    {10, 31, 0, 0, "万圣节"},
    {11, 8, 0, 0, "记者日"},
    {11, 0, 4, 4, "感恩节"},
    {12, 25, 0, 0, "圣诞节"},
}};

// Last day of each month's earlier sign; the later sign starts the day after.
struct StarSignSplit {
    int last_day;
    const char *before;
    const char *after;
};
constexpr std::array<StarSignSplit, 12> kStarSigns = {{
    {19, "摩羯座", "水瓶座"},
    {18, "水瓶座", "双鱼座"},
    {20, "双鱼座", "白羊座"},
    {19, "白羊座", "金牛座"},
    {20, "金牛座", "双子座"},
    {21, "双子座", "巨蟹座"},
    {22, "巨蟹座", "狮子座"},
    {22, "狮子座", "处女座"},
    {22, "处女座", "天秤座"},
    {23, "天秤座", "天蝎座"},
    {21, "天蝎座", "射手座"},
    {21, "射手座", "摩羯座"},
}};

void RequireValid(AlmanacDate date) {
    if (!date.ok())
        throw CommandError("无效的日期");
}

// The date of day `day` in the month of `date`.
AlmanacDate DayOfMonth(int day, AlmanacDate date) {
    AlmanacDate result{date.year(), date.month(), std::chrono::day{static_cast<unsigned>(day < 1 ? 0 : day)}};
    RequireValid(result);
    return result;
}

bool InRange(int year) {
    return year >= kAlmanacFirstYear && year <= kAlmanacLastYear;
}

} // namespace

int AlmanacYear(AlmanacDate date) {
    return static_cast<int>(date.year());
}
int AlmanacMonth(AlmanacDate date) {
    return static_cast<int>(static_cast<unsigned>(date.month()));
}
int AlmanacDay(AlmanacDate date) {
    return static_cast<int>(static_cast<unsigned>(date.day()));
}

int AlmanacDayOfYear(AlmanacDate date) {
    RequireValid(date);
    return (sys_days{date} - sys_days{date.year() / January / 1}).count() + 1;
}

int AlmanacLunarDate(AlmanacDate date) {
    RequireValid(date);
    const int solar_year = AlmanacYear(date);
    if (!InRange(solar_year))
        return 0;
    const std::uint32_t record = kYearRecords[static_cast<std::size_t>(solar_year - kAlmanacFirstYear)];
    const int byte0 = static_cast<int>(record >> 24);
    const int first_day = byte0 & 0x7F;
    const unsigned mask = (record >> 8) & 0xFFFF;
    const int leap = static_cast<int>(record & 0xFF);

    // The months from the one in progress on 1 January: their numbers (negative for a leap month) and lengths.
    std::array<int, 17> number{};
    std::array<int, 16> length{};
    number[0] = (byte0 & 0x80) ? 12 : 11;
    for (std::size_t k = 0; k < 16; ++k) {
        length[k] = (mask & (0x8000u >> k)) ? 30 : 29;
        int next;
        if (number[k] == leap)
            next = -leap;
        else if (number[k] < 0)
            next = 1 - number[k];
        else
            next = number[k] + 1;
        number[k + 1] = next > 12 ? 1 : next;
    }

    const int d = AlmanacDayOfYear(date) - 1;
    int lunar_month, lunar_day;
    if (d <= length[0] - first_day) {
        lunar_day = first_day + d;
        lunar_month = number[0];
        // A leap month that began in the old year runs on into this one.
        const AlmanacDate new_years_eve{year{solar_year - 1}, December, std::chrono::day{31}};
        if (solar_year > kAlmanacFirstYear && AlmanacLunarDate(new_years_eve) < 0)
            lunar_month = -lunar_month;
    } else {
        int s = length[0] - first_day;
        std::size_t i = 1;
        while (d > s + length[i]) {
            s += length[i];
            ++i;
        }
        lunar_month = number[i];
        lunar_day = d - s;
    }
    return lunar_month < 0 ? -(-lunar_month * 100 + lunar_day) : lunar_month * 100 + lunar_day;
}

std::string AlmanacMonthNameOfCode(int lunar_code) {
    const int m = lunar_code / 100;
    if (m == 0)
        return {};
    if (m < 0)
        return std::string("闰") + kMonthNames[static_cast<std::size_t>(-m - 1)];
    return std::string(kMonthNames[static_cast<std::size_t>(m - 1)]) + "月";
}

std::string AlmanacDayNameOfNumber(int day) {
    if (day < 1 || day > 30)
        return {};
    return kDayNames[static_cast<std::size_t>(day - 1)];
}

std::string AlmanacSolarTermName(int index) {
    if (index < 1 || index > 24)
        return {};
    return kTermNames[static_cast<std::size_t>(index - 1)];
}

std::string AlmanacMonthName(AlmanacDate date) {
    return AlmanacMonthNameOfCode(AlmanacLunarDate(date));
}

std::string AlmanacDayName(AlmanacDate date) {
    const int code = AlmanacLunarDate(date);
    return AlmanacDayNameOfNumber((code < 0 ? -code : code) % 100);
}

std::string AlmanacLunarFestival(AlmanacDate date) {
    const int code = AlmanacLunarDate(date);
    const int day = (code < 0 ? -code : code) % 100;
    const std::string month_name = AlmanacMonthNameOfCode(code);
    for (const auto &festival : kLunarFestivals)
        if (festival.day == day && month_name == festival.month_name)
            return festival.name;
    // A leap month's name starts with 闰, so neither the festivals above nor the eve of a leap 正月 match.
    const AlmanacDate next{sys_days{date} + days{1}};
    if (month_name != "正月" && AlmanacMonthName(next) == "正月")
        return "除夕";
    return {};
}

std::string AlmanacZodiacYear(AlmanacDate date) {
    RequireValid(date);
    const int k = ((AlmanacYear(date) - 1972) % 12 + 12) % 12;
    const std::string this_year = kZodiacNames[static_cast<std::size_t>(k)];
    const std::string last_year = kZodiacNames[static_cast<std::size_t>((k + 11) % 12)];
    if (AlmanacMonth(date) >= 10)
        return this_year;
    // Until 正月 begins, January and February still belong to the old lunar year.
    const std::string month_name = AlmanacMonthName(date);
    if (month_name.find("腊") != std::string::npos || month_name.find("冬") != std::string::npos)
        return last_year;
    return this_year;
}

int AlmanacSolarTermIndex(int year, int month, int day) {
    if (!InRange(year) || month < 1 || month > 12)
        return 0;
    const int byte = kTermBytes[static_cast<std::size_t>((year - kAlmanacFirstYear) * 12 + month - 1)];
    const int term_day = day < 15 ? 15 - (byte >> 4) : 15 + (byte & 0x0F);
    if (term_day != day)
        return 0;
    return day <= 15 ? 2 * month - 1 : 2 * month;
}

std::string AlmanacSolarTerm(AlmanacDate date) {
    RequireValid(date);
    return AlmanacSolarTermName(AlmanacSolarTermIndex(AlmanacYear(date), AlmanacMonth(date), AlmanacDay(date)));
}

std::string AlmanacSolarFestival(int day, AlmanacDate date) {
    const AlmanacDate of_day = DayOfMonth(day, date);
    const int month = AlmanacMonth(of_day);
    for (const auto &festival : kSolarFestivals) {
        if (festival.month != month)
            continue;
        if (festival.nth == 0) {
            if (festival.day == day)
                return festival.name;
        } else if (weekday{sys_days{of_day}}.c_encoding() == festival.weekday && (day - 1) / 7 == festival.nth - 1) {
            return festival.name;
        }
    }
    return {};
}

std::string AlmanacStarSign(AlmanacDate date) {
    RequireValid(date);
    const auto &split = kStarSigns[static_cast<std::size_t>(AlmanacMonth(date) - 1)];
    return AlmanacDay(date) <= split.last_day ? split.before : split.after;
}

std::string AlmanacStarSignOfDay(int day, AlmanacDate date) {
    return AlmanacStarSign(DayOfMonth(day, date));
}

AlmanacMonthView BuildAlmanacMonth(AlmanacDate date) {
    RequireValid(date);
    AlmanacMonthView view;
    view.zodiac_year = AlmanacZodiacYear(date);
    const AlmanacDate first = date.year() / date.month() / 1;
    view.first_cell = static_cast<int>(weekday{sys_days{first}}.c_encoding());
    view.days = static_cast<int>(static_cast<unsigned>((date.year() / date.month() / last).day()));
    for (int d = 1; d <= view.days; ++d) {
        const AlmanacDate e = date.year() / date.month() / std::chrono::day{static_cast<unsigned>(d)};
        AlmanacCell &cell = view.cells[static_cast<std::size_t>(view.first_cell + d - 1)];
        cell.day = d;
        const int code = AlmanacLunarDate(e);
        const int lunar_day = (code < 0 ? -code : code) % 100;
        cell.lunar_text = AlmanacDayNameOfNumber(lunar_day);
        cell.colour = kColourLunarDay;
        if (lunar_day == 1) {
            cell.lunar_text = AlmanacMonthNameOfCode(code);
            cell.colour = kColourLunarMonth;
        }
        if (std::string festival = AlmanacSolarFestival(d, e); !festival.empty()) {
            cell.lunar_text = festival;
            cell.colour = kColourFestival;
        }
        if (std::string term = AlmanacSolarTerm(e); !term.empty()) {
            cell.lunar_text = term;
            cell.colour = kColourSolarTerm;
        }
        if (std::string festival = AlmanacLunarFestival(e); !festival.empty()) {
            cell.lunar_text = festival;
            cell.colour = kColourFestival;
        }
        if (e.day() == date.day()) {
            view.selected_cell = view.first_cell + d - 1;
            view.star_sign = AlmanacStarSignOfDay(d, e);
        }
    }
    return view;
}

} // namespace mingshu::calendar
