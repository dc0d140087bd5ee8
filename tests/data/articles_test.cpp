// Checks of the articles of the article reader (KelBirth/Noter.tsv).
//
// The menu opens thirty articles by code: "a1"-"a8" explain the methods of the system, "b1"-"b13" are the
// moral texts, "c1"-"c9" give feng-shui advice. Each row's title is the caption of the menu entry that
// opens it; the reader trims the title, so the caption "吉祥宝宝起名方法 " is stored without its blank.

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "content/tsv.h"

namespace {

using mingshu::content::ReadTsv;
using mingshu::content::TsvTable;
using mingshu::content::Utf8Length;

struct Article {
    const char *code;
    const char *caption;
};

// Codes and menu captions, as the menus send and show them.
const Article kArticles[] = {
    {"a1", "姓名原理"},
    {"a2", "什么是八字"},
    {"a3", "所谓三才"},
    {"a4", "称骨算命法"},
    {"a5", "血型测命"},
    {"a6", "八字与起名的重要性"},
    {"a7", "吉祥宝宝起名方法 "},
    {"a8", "择日生子（紧参考）"},
    {"b1", "命自我立"},
    {"b2", "三世因果经"},
    {"b3", "心命歌"},
    {"b4", "太上感应篇"},
    {"b5", "孝经"},
    {"b6", "孝悌歌"},
    {"b7", "孝顺歌"},
    {"b8", "亲恩歌"},
    {"b9", "孝道良心歌"},
    {"b10", "闺训千字文"},
    {"b11", "孔子与小儿论"},
    {"b12", "朱子治家格言"},
    {"b13", "百忍歌"},
    {"c1", "风水常识"},
    {"c2", "选房风水"},
    {"c3", "家居风水注意几个方位"},
    {"c4", "六大贫贱家居风水"},
    {"c5", "改变运势的装修技巧"},
    {"c6", "通用12种风水方式"},
    {"c7", "求职与家居风水"},
    {"c8", "鼠年家居风水新讲究"},
    {"c9", "七項陽宅应注意事項"},
};

std::string TrimBlanks(const std::string &s) {
    std::size_t b = 0, e = s.size();
    while (b < e && static_cast<unsigned char>(s[b]) <= ' ')
        ++b;
    while (e > b && static_cast<unsigned char>(s[e - 1]) <= ' ')
        --e;
    return s.substr(b, e - b);
}

std::vector<std::string> Paragraphs(const std::string &body) {
    std::vector<std::string> out;
    std::size_t start = 0;
    for (;;) {
        std::size_t nl = body.find('\n', start);
        out.push_back(body.substr(start, nl == std::string::npos ? std::string::npos : nl - start));
        if (nl == std::string::npos)
            return out;
        start = nl + 1;
    }
}

// Characters of the text, line breaks not counted.
std::size_t TextLength(const std::string &body) {
    std::size_t n = 0;
    for (const auto &p : Paragraphs(body))
        n += Utf8Length(p);
    return n;
}

bool StartsWith(const std::string &s, const std::string &prefix) {
    return s.compare(0, prefix.size(), prefix) == 0;
}

bool EndsWith(const std::string &s, const std::string &suffix) {
    return s.size() >= suffix.size() && s.compare(s.size() - suffix.size(), suffix.size(), suffix) == 0;
}

class ArticlesTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        table_ = new TsvTable(ReadTsv(std::string(MINGSHU_DATA_DIR) + "/KelBirth/Noter.tsv"));
        for (const auto &row : table_->rows)
            if (row.size() == 3)
                byCode_[row[0]] = {row[1], row[2]};
    }
    static void TearDownTestSuite() {
        delete table_;
        table_ = nullptr;
        byCode_.clear();
    }

    struct Row {
        std::string title;
        std::string body;
    };

    static const std::string &Body(const std::string &code) { return byCode_.at(code).body; }

    static TsvTable *table_;
    static std::map<std::string, Row> byCode_;
};

TsvTable *ArticlesTest::table_ = nullptr;
std::map<std::string, ArticlesTest::Row> ArticlesTest::byCode_;

TEST_F(ArticlesTest, HoldsExactlyTheThirtyMenuCodesWithTheirCaptionsAsTitles) {
    ASSERT_EQ(table_->columns, (std::vector<std::string>{"Cid", "Tite", "content"}));

    std::multiset<std::string> codes;
    for (const auto &row : table_->rows)
        codes.insert(row[0]);
    std::multiset<std::string> expected;
    for (const auto &a : kArticles)
        expected.insert(a.code);
    EXPECT_EQ(codes, expected) << "codes missing, doubled or unknown";

    for (const auto &a : kArticles) {
        auto it = byCode_.find(a.code);
        ASSERT_NE(it, byCode_.end()) << a.code;
        // The title is shown as the window caption after trimming; store it trimmed so that it equals what
        // the user sees in the menu.
        EXPECT_EQ(it->second.title, TrimBlanks(a.caption)) << a.code;
    }
}

TEST_F(ArticlesTest, MethodAndFengShuiArticlesHaveTheirLengths) {
    for (const auto &a : kArticles) {
        const std::string code = a.code;
        const std::size_t n = TextLength(Body(code));
        if (code[0] == 'a') {
            EXPECT_GE(n, 800u) << code;
            EXPECT_LE(n, 2000u) << code;
        } else if (code[0] == 'c') {
            EXPECT_GE(n, 600u) << code;
            EXPECT_LE(n, 1500u) << code;
        } else {
            // The moral texts have no fixed length; the shortest classic (朱子治家格言) has about 500.
            EXPECT_GE(n, 400u) << code;
        }
    }
}

TEST_F(ArticlesTest, BodiesAreCleanParagraphs) {
    for (const auto &a : kArticles) {
        const std::string &body = Body(a.code);
        ASSERT_FALSE(TrimBlanks(body).empty()) << a.code;
        // A stray backslash or TAB means an escape was written wrongly and would show in the reader.
        EXPECT_EQ(body.find('\\'), std::string::npos) << a.code;
        EXPECT_EQ(body.find('\t'), std::string::npos) << a.code;
        EXPECT_EQ(body.find('\r'), std::string::npos) << a.code;

        const auto paragraphs = Paragraphs(body);
        EXPECT_GE(paragraphs.size(), 3u) << a.code << ": bodies are written in paragraphs";
        for (std::size_t i = 0; i < paragraphs.size(); ++i) {
            EXPECT_FALSE(paragraphs[i].empty()) << a.code << " paragraph " << i << " is empty";
            EXPECT_EQ(paragraphs[i], TrimBlanks(paragraphs[i])) << a.code << " paragraph " << i;
        }
        for (const char *marker : {"TODO", "TBD", "lorem", "Lorem", "XXX", "待补", "占位", "此处填写", "示例文本"})
            EXPECT_EQ(body.find(marker), std::string::npos) << a.code << " holds " << marker;
    }
}

TEST_F(ArticlesTest, NoTwoArticlesShareABodyOrALongParagraph) {
    std::map<std::string, std::string> bodies;
    std::map<std::string, std::string> paragraphs;
    for (const auto &a : kArticles) {
        const std::string &body = Body(a.code);
        auto [it, fresh] = bodies.emplace(body, a.code);
        EXPECT_TRUE(fresh) << a.code << " repeats the body of " << it->second;
        for (const auto &p : Paragraphs(body)) {
            if (Utf8Length(p) < 30)
                continue; // short headings such as "五、结语" may recur
            auto [pit, pfresh] = paragraphs.emplace(p, a.code);
            EXPECT_TRUE(pfresh) << a.code << " repeats a paragraph of " << pit->second << ": " << p;
        }
    }
}

// The classics are given in full under a short introduction; the other moral texts are explanations of our
// own and say so in their first paragraph.
TEST_F(ArticlesTest, MoralTextsAreEitherCompleteClassicsOrMarkedExplanations) {
    struct Classic {
        const char *code;
        const char *opening;
        const char *closing;
    };
    const Classic classics[] = {
        {"b4", "太上曰：祸福无门，惟人自召；善恶之报，如影随形。", "胡不勉而行之？"},
        {"b5", "开宗明义章第一", "孝子之事亲终矣。”"},
        {"b12", "黎明即起，洒扫庭除，要内外整洁；", "为人若此，庶乎近焉。"},
    };
    std::set<std::string> classicCodes;
    for (const auto &c : classics) {
        classicCodes.insert(c.code);
        const auto paragraphs = Paragraphs(Body(c.code));
        ASSERT_GE(paragraphs.size(), 3u) << c.code;
        EXPECT_TRUE(StartsWith(paragraphs[0], "【题解】")) << c.code;
        EXPECT_TRUE(StartsWith(paragraphs[1], c.opening)) << c.code << ": the text starts after the introduction";
        EXPECT_TRUE(EndsWith(paragraphs.back(), c.closing)) << c.code << ": the text is given to its end";
    }

    // 孝经 in its eighteen chapters, in order.
    const char *chapters[] = {"开宗明义章第一", "天子章第二",     "诸侯章第三",     "卿大夫章第四",   "士章第五",
                              "庶人章第六",     "三才章第七",     "孝治章第八",     "圣治章第九",     "纪孝行章第十",
                              "五刑章第十一",   "广要道章第十二", "广至德章第十三", "广扬名章第十四", "谏诤章第十五",
                              "感应章第十六",   "事君章第十七",   "丧亲章第十八"};
    std::vector<std::string> headings;
    for (const auto &p : Paragraphs(Body("b5")))
        if (p.find("章第") != std::string::npos && Utf8Length(p) <= 8)
            headings.push_back(p);
    EXPECT_EQ(headings, std::vector<std::string>(std::begin(chapters), std::end(chapters)));

    for (const auto &a : kArticles) {
        const std::string code = a.code;
        if (code[0] != 'b' || classicCodes.count(code))
            continue;
        const std::string first = Paragraphs(Body(code))[0];
        EXPECT_TRUE(StartsWith(first, "【说明】")) << code;
        EXPECT_NE(first.find("本系统"), std::string::npos) << code << ": the note says who wrote the article";
    }
}

} // namespace
