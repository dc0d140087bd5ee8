#!/usr/bin/env python3
"""Writes data/KelFile/bihua.tsv: the Kangxi stroke count of every hanzi that GBK can encode.

Name numerology counts a character the way the Kangxi dictionary does: in its traditional form, with the radical
counted in its full form (氵 as 水 4, 扌 as 手 4, 艹 as 艸 6, 阝 as 阜 8 or 邑 7, 王 as 玉 5 ...). The counts
come from Unicode's Unihan data (Debian package unicode-data):

1. The numerals 一 to 十, 百 and 千 have fixed counts (numerology counts 四 as 4, not 5).
2. The traditional form: kTraditionalVariant. Where a character lists itself and is an actual Kangxi entry,
   it stays unless another candidate is more frequent in traditional text (kFrequency, 1 = most frequent):
   杰 → 傑, 万 → 萬, but 出, 谷, 姜, 沈 stay. Where it lists itself but is no Kangxi entry, the other candidate
   (the most frequent one) is taken.
3. Count = strokes of the radical's full form + the residual of kRSKangXi (kRSUnicode without it). A negative
   residual counts down. The full forms are the Kangxi radical characters U+2F00–U+2FD5; for six of them Unihan
   gives today's count, not the Kangxi one, and those are fixed here.
4. A residual of 0 means the character is its own radical: its own total counts (王 4, not 5).
5. tools/stroke_overrides.tsv holds the reviewed exceptions, each with its reason.

Run at development time; the output is committed, so the build does not need Unihan:

    python3 tools/gen_strokes.py            # writes data/KelFile/bihua.tsv
    python3 tools/gen_strokes.py --review   # also lists the choices step 2 made among GB2312 characters
"""

import argparse
import bz2
import csv
import os
import sys
import unicodedata

UNICODE_DIR = "/usr/share/unicode"
HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(HERE)
OUTPUT = os.path.join(ROOT, "data", "KelFile", "bihua.tsv")
OVERRIDES = os.path.join(HERE, "stroke_overrides.tsv")

NUMERALS = {"一": 1, "二": 2, "三": 3, "四": 4, "五": 5, "六": 6, "七": 7, "八": 8, "九": 9, "十": 10, "百": 6, "千": 3}

# Radicals whose Unihan total is today's count rather than the Kangxi one.
RADICAL_FIXES = {54: 3, 98: 5, 114: 5, 194: 10, 206: 13, 213: 16}  # 廴 瓦 禸 鬼 鼎 龜

# The Kangxi dictionary orders its 214 radicals by stroke count: the first radical of each count.
RADICAL_BLOCKS = [(1, 1), (7, 2), (30, 3), (61, 4), (95, 5), (118, 6), (147, 7), (167, 8), (176, 9), (187, 10),
                  (195, 11), (201, 12), (205, 13), (209, 14), (211, 15), (212, 16), (214, 17)]

FIELDS = {"kTraditionalVariant", "kFrequency", "kGradeLevel", "kKangXi", "kRSKangXi", "kRSUnicode", "kTotalStrokes"}

# The most common surnames, roughly by how many people bear them. A `like` lookup scans the table from the top
# and stops at the first row holding the character, so these rows come first, then the characters a school
# child learns (by grade), then the rest of GB2312, then the rest of GBK.
COMMON_SURNAMES = ("王李张刘陈杨黄赵吴周徐孙马朱胡郭何高林罗郑梁谢宋唐许韩冯邓曹彭曾肖田董袁潘于蒋蔡余杜叶程苏魏吕丁"
                   "任沈姚卢姜崔钟谭陆汪范金石廖贾夏韦付方白邹孟熊秦邱江尹薛闫段雷侯龙史陶黎贺顾毛郝龚邵万钱严覃武"
                   "戴莫孔向汤欧阳司上官诸葛令狐皇甫")


def read_unihan():
    data = {}
    for name in ("Unihan_Variants", "Unihan_DictionaryLikeData", "Unihan_DictionaryIndices",
                 "Unihan_RadicalStrokeCounts", "Unihan_IRGSources"):
        path = os.path.join(UNICODE_DIR, name + ".txt.bz2")
        with bz2.open(path, "rt", encoding="utf-8") as f:
            for line in f:
                if line.startswith("#") or not line.strip():
                    continue
                code, field, value = line.rstrip("\n").split("\t", 2)
                if field in FIELDS:
                    data.setdefault(chr(int(code[2:], 16)), {})[field] = value
    return data


def gbk_hanzi(unihan):
    """Every ideograph GBK encodes, in the order of the table: the common surnames, the characters of the
    school grades, the rest of GB2312's hanzi, then the rest of GBK by code, so a `like` scan meets the
    characters of names early."""
    chars = []
    for lead in range(0x81, 0xFF):
        for trail in range(0x40, 0xFF):
            if trail == 0x7F:
                continue
            try:
                ch = bytes([lead, trail]).decode("gbk")
            except UnicodeDecodeError:
                continue
            name = unicodedata.name(ch, "")
            if name.startswith("CJK UNIFIED IDEOGRAPH") or name.startswith("CJK COMPATIBILITY IDEOGRAPH") \
                    or ch == "\u3007":
                in_gb2312 = 0xB0 <= lead <= 0xF7 and trail >= 0xA1
                if ch in COMMON_SURNAMES:
                    rank = (0, COMMON_SURNAMES.index(ch))
                elif "kGradeLevel" in unihan.get(ch, {}):
                    rank = (1, int(unihan[ch]["kGradeLevel"]))
                else:
                    rank = (2 if in_gb2312 else 3, 0)
                chars.append((rank, lead * 256 + trail, ch))
    chars.sort()
    return [ch for _, _, ch in chars]


def total_strokes(entry):
    # Two values are the simplified and the traditional count; the traditional one is the Kangxi way.
    return int(entry["kTotalStrokes"].split()[-1])


def radical_strokes(unihan):
    strokes = {}
    for number in range(1, 215):
        full_form = unicodedata.normalize("NFKC", chr(0x2F00 + number - 1))
        strokes[number] = RADICAL_FIXES.get(number, total_strokes(unihan[full_form]))
    # The fixed radicals must now agree with the dictionary's own grouping of radicals by strokes.
    for number, count in strokes.items():
        expected = max(c for first, c in RADICAL_BLOCKS if first <= number)
        if count != expected:
            sys.exit(f"radical {number}: {count} strokes from Unihan, the Kangxi grouping says {expected}")
    return strokes


def frequency(unihan, ch):
    value = unihan.get(ch, {}).get("kFrequency")
    return int(value) if value else 6


def is_kangxi_entry(unihan, ch):
    # The last digit of a kKangXi position is 0 for a character the dictionary has, 1 for a virtual position.
    return any(v.endswith("0") for v in unihan.get(ch, {}).get("kKangXi", "").split())


def most_frequent(unihan, candidates):
    return min(candidates, key=lambda c: frequency(unihan, c))  # min keeps the first of equals


def variants_of(unihan, ch):
    return [chr(int(v[2:], 16)) for v in unihan.get(ch, {}).get("kTraditionalVariant", "").split()]


def traditional_form(unihan, ch):
    variants = variants_of(unihan, ch)
    if not variants:
        return ch
    others = [v for v in variants if v != ch]
    if not others:
        return ch
    if ch in variants:
        if is_kangxi_entry(unihan, ch):
            best = most_frequent(unihan, others)
            return best if frequency(unihan, best) < frequency(unihan, ch) else ch
        return most_frequent(unihan, others)
    return most_frequent(unihan, others)


def kangxi_count(unihan, radicals, ch):
    entry = unihan.get(ch)
    if not entry:
        return None
    rs = entry.get("kRSKangXi") or entry.get("kRSUnicode")
    if not rs:
        return None
    radical, residual = rs.split()[0].split(".")
    radical = int(radical.rstrip("'"))
    residual = int(residual)
    if residual == 0:
        # The radical characters themselves take the fixed Kangxi counts (鬼 10, not 9).
        if unicodedata.normalize("NFKC", chr(0x2F00 + radical - 1)) == ch:
            return radicals[radical]
        return total_strokes(entry) if "kTotalStrokes" in entry else None
    return radicals[radical] + residual


def read_overrides():
    overrides = {}
    with open(OVERRIDES, encoding="utf-8", newline="") as f:
        rows = csv.reader(f, delimiter="\t")
        header = next(rows)
        if header != ["hanzi", "num", "reason"]:
            sys.exit(f"{OVERRIDES}: header must be hanzi, num, reason")
        for row in rows:
            if not row:
                continue
            hanzi, num, reason = row
            if len(hanzi) != 1 or not num.isdigit() or not reason.strip():
                sys.exit(f"{OVERRIDES}: bad row {row}")
            overrides[hanzi] = int(num)
    return overrides


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--review", action="store_true", help="list the traditional forms chosen in GB2312")
    parser.add_argument("--output", default=OUTPUT)
    args = parser.parse_args()

    unihan = read_unihan()
    radicals = radical_strokes(unihan)
    overrides = read_overrides()

    rows, missing = [], []
    for ch in gbk_hanzi(unihan):
        if ch in NUMERALS:
            count = NUMERALS[ch]
        elif ch in overrides:
            count = overrides[ch]
        else:
            form = traditional_form(unihan, ch)
            count = kangxi_count(unihan, radicals, form)
            if count is None and form != ch:
                count = kangxi_count(unihan, radicals, ch)
            if args.review and form != ch and ch in variants_of(unihan, ch):
                print(f"{ch} → {form} {count}", file=sys.stderr)
        if count is None or count <= 0:
            missing.append(ch)
            continue
        rows.append((ch, count))

    with open(args.output, "w", encoding="utf-8", newline="\n") as f:
        f.write("hanzi\tnum\n")
        for ch, count in rows:
            f.write(f"{ch}\t{count}\n")
    print(f"{len(rows)} characters written to {args.output}; without a count: {''.join(missing) or 'none'}")


if __name__ == "__main__":
    main()
