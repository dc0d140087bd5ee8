#!/usr/bin/env python3
"""Writes the four bone-weight tables data/dream/chenggu1.tsv ... chenggu4.tsv.

The weights are the traditional 称骨 tables, in qian (one liang = ten qian) and written out as decimal
liang. The year table is keyed by the sexagenary name of the lunar year, so it repeats every sixty years
(1984 and 1924 are 甲子 years). Hours are weighed by their two-hour branch: 23 and 0 belong to 子,
1 and 2 to 丑, and so on up to 21 and 22 for 亥.

Run from anywhere: python3 tools/gen_chenggu.py
"""
import os

STEMS = "甲乙丙丁戊己庚辛壬癸"
BRANCHES = "子丑寅卯辰巳午未申酉戌亥"

# Weight in qian of each sexagenary year.
YEAR_QIAN = {
    "甲子": 12, "丙子": 16, "戊子": 15, "庚子": 7, "壬子": 5,
    "乙丑": 9, "丁丑": 8, "己丑": 7, "辛丑": 7, "癸丑": 7,
    "丙寅": 6, "戊寅": 8, "庚寅": 9, "壬寅": 9, "甲寅": 12,
    "丁卯": 7, "己卯": 19, "辛卯": 12, "癸卯": 12, "乙卯": 8,
    "戊辰": 12, "庚辰": 12, "壬辰": 10, "甲辰": 8, "丙辰": 8,
    "己巳": 5, "辛巳": 6, "癸巳": 7, "乙巳": 7, "丁巳": 6,
    "庚午": 9, "壬午": 8, "甲午": 15, "丙午": 13, "戊午": 19,
    "辛未": 8, "癸未": 7, "乙未": 6, "丁未": 5, "己未": 6,
    "壬申": 7, "甲申": 5, "丙申": 5, "戊申": 14, "庚申": 8,
    "癸酉": 8, "乙酉": 15, "丁酉": 14, "己酉": 5, "辛酉": 16,
    "甲戌": 15, "丙戌": 6, "戊戌": 14, "庚戌": 9, "壬戌": 10,
    "乙亥": 9, "丁亥": 16, "己亥": 9, "辛亥": 17, "癸亥": 7,
}

# Lunar months as the bone-weight window lists them, with their weight in qian.
MONTH_QIAN = [
    ("正", 6), ("二", 7), ("三", 18), ("四", 9), ("五", 5), ("六", 16),
    ("七", 9), ("八", 15), ("九", 18), ("十", 8), ("十一", 9), ("腊", 5),
]

# Lunar days 初一 to 三十 in order, weight in qian.
DAY_QIAN = [
    ("初一", 5), ("初二", 10), ("初三", 8), ("初四", 15), ("初五", 16),
    ("初六", 15), ("初七", 8), ("初八", 16), ("初九", 8), ("初十", 16),
    ("十一", 9), ("十二", 17), ("十三", 8), ("十四", 17), ("十五", 10),
    ("十六", 8), ("十七", 9), ("十八", 18), ("十九", 5), ("二十", 15),
    ("廿一", 10), ("廿二", 9), ("廿三", 8), ("廿四", 9), ("廿五", 15),
    ("廿六", 18), ("廿七", 7), ("廿八", 8), ("廿九", 16), ("三十", 6),
]

# Two-hour branches 子 ... 亥, weight in qian.
BRANCH_QIAN = [16, 6, 7, 10, 9, 16, 10, 8, 8, 9, 6, 6]

FIRST_YEAR, LAST_YEAR = 1900, 2100


def liang(qian):
    """Decimal liang text of a weight in qian: 12 -> 1.2, 10 -> 1.0, 5 -> 0.5."""
    return f"{qian // 10}.{qian % 10}"


def year_name(year):
    return STEMS[(year - 4) % 10] + BRANCHES[(year - 4) % 12]


def hour_branch(hour):
    return (hour + 1) // 2 % 12


def write(path, key_column, rows):
    with open(path, "w", encoding="utf-8", newline="\n") as out:
        out.write(f"{key_column}\tweight\n")
        for key, qian in rows:
            out.write(f"{key}\t{liang(qian)}\n")


def main():
    assert len(YEAR_QIAN) == 60
    dream = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "data", "dream")
    write(os.path.join(dream, "chenggu1.tsv"), "year",
          [(str(y), YEAR_QIAN[year_name(y)]) for y in range(FIRST_YEAR, LAST_YEAR + 1)])
    write(os.path.join(dream, "chenggu2.tsv"), "month", MONTH_QIAN)
    write(os.path.join(dream, "chenggu3.tsv"), "day", DAY_QIAN)
    write(os.path.join(dream, "chenggu4.tsv"), "time",
          [(str(h), BRANCH_QIAN[hour_branch(h)]) for h in range(24)])


if __name__ == "__main__":
    main()
