// Readings of the blood type, the zodiac animal and the star sign from tables compiled into the program.
#pragma once

#include <string>
#include <vector>

namespace mingshu::readings {

// Each returns the reading of its key, or "请听下回分解!" when no key matches exactly.
std::string BloodTypeReading(const std::string &blood_type);
std::string ZodiacReading(const std::string &animal);
std::string StarSignIqReading(const std::string &star_sign);

enum class BirthSign { BloodType, Zodiac, StarSign };

// The lines of a single reading command: the header line, two empty lines, four blanks and the reading.
// `value` is the profile field the command reads (blood type, animal or star sign).
std::vector<std::string> BirthSignCommandLines(BirthSign sign, const std::string &surname,
                                               const std::string &given_name, const std::string &value);

// The eight lines of the report section 【血型测算】 【属性运程】 【星座运程】.
std::vector<std::string> BirthSignSectionLines(const std::string &blood_type, const std::string &animal,
                                               const std::string &star_sign);

} // namespace mingshu::readings
