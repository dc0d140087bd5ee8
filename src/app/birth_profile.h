// The input bar's texts, the birth profile derived from them, and the birth-information block.
#pragma once

#include "app/report_view.h"

#include <string>

namespace mingshu::app {

// The texts of the input bar as the user left them (UTF-8, untrimmed).
struct InputBar {
    std::string NameA, NameB, Sex = "男", Xuxing = "A型", SYear = "1980", SMonth = "1", Sday = "1", Shour = "子 0";
};

struct BirthProfile {
    std::string Surname, GivenName, BloodType, BirthYear, BirthMonth, BirthDay, BirthHour;
    std::string BirthDateText, LunarText, ZodiacAnimal, StarSign;
};

// The 24 hour items: "子 0", "丑 1", … "子 23".
const std::string &HourItem(int hour);

// Checks the seven inputs in order and fills the profile. An empty input shows its message and returns false,
// keeping the fields stored before it. A date that does not exist throws CommandError after the seven fields are
// stored; the derived fields then keep their old values.
bool ReadBirthProfile(const InputBar &input, BirthProfile &profile);

// "取名宝典": the first two checks alone; stores Surname and GivenName and nothing else.
bool StoreNames(const InputBar &input, BirthProfile &profile);

// Validates, clears the report and writes the nine birth lines and the two chart lines. Returns whether the
// input passed. An error after the report was cleared ends the block silently with the lines written so far.
// `current_year` is the machine clock's year, for the age line.
bool WriteBirthSection(const InputBar &input, BirthProfile &profile, ReportView &report, int current_year);

} // namespace mingshu::app
