// Checks of the picture articles (KelFile/tuwen.tsv and the drawings in KelFile/tuwen/).
//
// The viewer shows up to fifteen pages of an article, each a drawing of 652 x 358 pixels with a text under
// it. Every article 1 to 16 must have 3 to 15 pages numbered without gaps, every page a text of 80 to 250
// characters and its own drawing, and every drawing must be a well-formed SVG document that the program's
// SVG renderer can draw: the size of the picture area, only plain shapes and text, Chinese labels in a font
// that has the characters.

#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "content/tsv.h"

namespace {

using mingshu::content::ReadTsv;
using mingshu::content::TsvTable;
using mingshu::content::Utf8Length;

const std::string kKelFileDir = std::string(MINGSHU_DATA_DIR) + "/KelFile";

// ---------------------------------------------------------------------------------------------------
// A small XML reader: enough to decide whether a drawing is well formed and to walk its elements.

struct XmlElement {
    std::string name;
    std::map<std::string, std::string> attributes;
    std::vector<std::unique_ptr<XmlElement>> children;
    std::string text; // character data directly inside the element, entities left as written
};

class XmlReader {
public:
    explicit XmlReader(const std::string &input) : s_(input) {}

    // Parses a whole document. Returns the root element, or null with error() set.
    std::unique_ptr<XmlElement> parse() {
        skipMisc(true);
        if (!error_.empty())
            return nullptr;
        if (!peek('<')) {
            fail("no root element");
            return nullptr;
        }
        auto root = element();
        if (!root)
            return nullptr;
        skipMisc(false);
        if (!error_.empty())
            return nullptr;
        if (pos_ != s_.size()) {
            fail("content after the root element");
            return nullptr;
        }
        return root;
    }

    const std::string &error() const { return error_; }

private:
    bool peek(char c) const { return pos_ < s_.size() && s_[pos_] == c; }
    bool startsWith(const char *t) const { return s_.compare(pos_, std::char_traits<char>::length(t), t) == 0; }
    void fail(const std::string &what) {
        if (error_.empty())
            error_ = what + " at byte " + std::to_string(pos_);
    }
    void skipSpace() {
        while (pos_ < s_.size() && std::isspace(static_cast<unsigned char>(s_[pos_])))
            ++pos_;
    }
    static bool nameChar(char c) {
        return std::isalnum(static_cast<unsigned char>(c)) || c == '-' || c == '_' || c == ':' || c == '.';
    }
    std::string name() {
        std::size_t start = pos_;
        if (pos_ < s_.size() && (std::isalpha(static_cast<unsigned char>(s_[pos_])) || s_[pos_] == '_'))
            while (pos_ < s_.size() && nameChar(s_[pos_]))
                ++pos_;
        if (pos_ == start)
            fail("a name was expected");
        return s_.substr(start, pos_ - start);
    }
    bool skipUntil(const char *end) {
        std::size_t at = s_.find(end, pos_);
        if (at == std::string::npos) {
            fail(std::string("unterminated construct, missing ") + end);
            return false;
        }
        pos_ = at + std::char_traits<char>::length(end);
        return true;
    }
    // Comments and white space; the XML declaration only at the very start; no document type.
    void skipMisc(bool prolog) {
        for (;;) {
            skipSpace();
            if (startsWith("<!--")) {
                if (!skipUntil("-->"))
                    return;
            } else if (prolog && startsWith("<?xml")) {
                if (pos_ != 0) {
                    fail("XML declaration not at the start");
                    return;
                }
                if (!skipUntil("?>"))
                    return;
            } else if (startsWith("<!DOCTYPE") || startsWith("<?")) {
                fail("document type or processing instruction");
                return;
            } else {
                return;
            }
        }
    }
    // Checks an entity reference at pos_ ('&'), moving past it.
    bool entity() {
        std::size_t semi = s_.find(';', pos_);
        if (semi == std::string::npos || semi - pos_ > 10) {
            fail("bare '&'");
            return false;
        }
        std::string ref = s_.substr(pos_ + 1, semi - pos_ - 1);
        static const std::set<std::string> named = {"amp", "lt", "gt", "quot", "apos"};
        bool ok = named.count(ref) > 0;
        if (!ok && ref.size() > 1 && ref[0] == '#') {
            bool hex = ref[1] == 'x';
            std::string digits = ref.substr(hex ? 2 : 1);
            ok = !digits.empty();
            for (char c : digits)
                ok = ok &&
                     (hex ? std::isxdigit(static_cast<unsigned char>(c)) : std::isdigit(static_cast<unsigned char>(c)));
        }
        if (!ok) {
            fail("unknown entity &" + ref + ";");
            return false;
        }
        pos_ = semi + 1;
        return true;
    }
    std::unique_ptr<XmlElement> element() {
        ++pos_; // '<'
        auto el = std::make_unique<XmlElement>();
        el->name = name();
        if (!error_.empty())
            return nullptr;
        for (;;) {
            std::size_t before = pos_;
            skipSpace();
            if (startsWith("/>")) {
                pos_ += 2;
                return el;
            }
            if (peek('>')) {
                ++pos_;
                break;
            }
            if (pos_ == before) {
                fail("white space expected before an attribute");
                return nullptr;
            }
            std::string key = name();
            if (!error_.empty())
                return nullptr;
            skipSpace();
            if (!peek('=')) {
                fail("'=' expected after attribute " + key);
                return nullptr;
            }
            ++pos_;
            skipSpace();
            if (!peek('"') && !peek('\'')) {
                fail("quoted value expected for attribute " + key);
                return nullptr;
            }
            char quote = s_[pos_++];
            std::size_t start = pos_;
            while (pos_ < s_.size() && s_[pos_] != quote) {
                if (s_[pos_] == '<') {
                    fail("'<' inside attribute " + key);
                    return nullptr;
                }
                if (s_[pos_] == '&') {
                    if (!entity())
                        return nullptr;
                    continue;
                }
                ++pos_;
            }
            if (pos_ >= s_.size()) {
                fail("unterminated attribute " + key);
                return nullptr;
            }
            std::string value = s_.substr(start, pos_ - start);
            ++pos_;
            if (!el->attributes.emplace(key, value).second) {
                fail("attribute " + key + " given twice");
                return nullptr;
            }
        }
        // content
        for (;;) {
            if (pos_ >= s_.size()) {
                fail("element <" + el->name + "> is not closed");
                return nullptr;
            }
            if (startsWith("</")) {
                pos_ += 2;
                std::string closing = name();
                if (!error_.empty())
                    return nullptr;
                if (closing != el->name) {
                    fail("</" + closing + "> closes <" + el->name + ">");
                    return nullptr;
                }
                skipSpace();
                if (!peek('>')) {
                    fail("'>' expected");
                    return nullptr;
                }
                ++pos_;
                return el;
            }
            if (startsWith("<!--")) {
                if (!skipUntil("-->"))
                    return nullptr;
            } else if (startsWith("<![CDATA[")) {
                std::size_t start = pos_ + 9;
                if (!skipUntil("]]>"))
                    return nullptr;
                el->text += s_.substr(start, pos_ - 3 - start);
            } else if (peek('<')) {
                auto child = element();
                if (!child)
                    return nullptr;
                el->children.push_back(std::move(child));
            } else if (peek('&')) {
                std::size_t start = pos_;
                if (!entity())
                    return nullptr;
                el->text += s_.substr(start, pos_ - start);
            } else {
                el->text += s_[pos_++];
            }
        }
    }

    const std::string &s_;
    std::size_t pos_ = 0;
    std::string error_;
};

bool ValidUtf8(const std::string &s) {
    std::size_t i = 0;
    while (i < s.size()) {
        unsigned char c = static_cast<unsigned char>(s[i]);
        int extra = c < 0x80 ? 0 : (c >> 5) == 0x6 ? 1 : (c >> 4) == 0xE ? 2 : (c >> 3) == 0x1E ? 3 : -1;
        if (extra < 0 || i + extra >= s.size())
            return false;
        for (int k = 1; k <= extra; ++k)
            if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80)
                return false;
        i += extra + 1;
    }
    return true;
}

std::string ReadFile(const std::string &path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The reader must reject what the renderer would reject, or the drawing checks below prove nothing.
TEST(PictureArticleXmlReader, AcceptsWellFormedAndRejectsBrokenDocuments) {
    struct Case {
        const char *doc;
        bool ok;
    };
    const Case cases[] = {
        {"<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg a=\"1\"><g><rect/></g><!-- note --></svg>\n", true},
        {"<svg><text x='1'>客厅 &amp; 卧室 &#x4E2D;</text></svg>", true},
        {"<svg><rect></svg>", false},              // child not closed
        {"<svg><g></rect></g></svg>", false},      // wrong closing tag
        {"<svg a=1/>", false},                     // unquoted value
        {"<svg a=\"1\" a=\"2\"/>", false},         // attribute twice
        {"<svg/><svg/>", false},                   // two roots
        {"<svg><text>a < b</text></svg>", false},  // bare '<'
        {"<svg><text>R&D</text></svg>", false},    // bare '&'
        {"<svg><text>&nbsp;</text></svg>", false}, // entity not defined in XML
        {"<svg a=\"1\"b=\"2\"/>", false},          // attributes not separated
        {"<svg><text>abc", false},                 // truncated file
        {"<!DOCTYPE svg><svg/>", false},           // document type (external entities)
        {"", false},
    };
    for (const Case &c : cases) {
        std::string doc = c.doc;
        XmlReader reader(doc);
        auto root = reader.parse();
        EXPECT_EQ(root != nullptr, c.ok) << doc << " -> " << reader.error();
    }
}

// ---------------------------------------------------------------------------------------------------

struct PageRow {
    int article;
    int page;
    std::string picture;
    std::string content;
};

class PictureArticles : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        table_ = new TsvTable(ReadTsv(kKelFileDir + "/tuwen.tsv"));
        rows_ = new std::vector<PageRow>();
        int a = table_->column("article"), p = table_->column("page"), pic = table_->column("picture"),
            c = table_->column("content");
        if (a < 0 || p < 0 || pic < 0 || c < 0)
            return;
        for (const auto &r : table_->rows)
            rows_->push_back({Number(r[a]), Number(r[p]), r[pic], r[c]});
    }
    static void TearDownTestSuite() {
        delete table_;
        delete rows_;
    }
    // A key written as plain decimal text without sign, blanks or leading zeros; -1 otherwise.
    static int Number(const std::string &text) {
        if (text.empty() || text.size() > 3 || text[0] == '0')
            return -1;
        for (char ch : text)
            if (!std::isdigit(static_cast<unsigned char>(ch)))
                return -1;
        return std::stoi(text);
    }
    static std::string PictureName(const PageRow &r) {
        return "tuwen/" + std::to_string(r.article) + "-" + std::to_string(r.page) + ".svg";
    }

    static TsvTable *table_;
    static std::vector<PageRow> *rows_;
};

TsvTable *PictureArticles::table_ = nullptr;
std::vector<PageRow> *PictureArticles::rows_ = nullptr;

TEST_F(PictureArticles, TableHasTheFourColumns) {
    EXPECT_EQ(table_->columns, (std::vector<std::string>{"article", "page", "picture", "content"}));
}

TEST_F(PictureArticles, SixteenArticlesOfThreeToFifteenPagesWithoutGaps) {
    std::map<int, std::vector<int>> pages;
    for (const PageRow &r : *rows_) {
        ASSERT_GE(r.article, 1) << "article key not a plain number from 1";
        ASSERT_GE(r.page, 1) << "page key of article " << r.article << " not a plain number from 1";
        pages[r.article].push_back(r.page);
    }
    ASSERT_EQ(pages.size(), 16u);
    EXPECT_EQ(pages.begin()->first, 1);
    EXPECT_EQ(pages.rbegin()->first, 16);
    for (auto &[article, list] : pages) {
        std::set<int> unique(list.begin(), list.end());
        EXPECT_EQ(unique.size(), list.size()) << "article " << article << " repeats a page";
        int count = static_cast<int>(unique.size());
        EXPECT_GE(count, 3) << "article " << article;
        EXPECT_LE(count, 15) << "article " << article;
        EXPECT_EQ(*unique.begin(), 1) << "article " << article;
        EXPECT_EQ(*unique.rbegin(), count) << "article " << article << " skips a page number";
    }
}

TEST_F(PictureArticles, TextsFitUnderThePictureAndAreAllDifferent) {
    std::map<std::string, std::string> seen;
    const char *placeholders[] = {"TODO", "todo", "lorem", "Lorem", "XXX", "待补", "占位", "示例文字"};
    for (const PageRow &r : *rows_) {
        std::string where = std::to_string(r.article) + "-" + std::to_string(r.page);
        ASSERT_TRUE(ValidUtf8(r.content)) << where;
        std::size_t n = Utf8Length(r.content);
        EXPECT_GE(n, 80u) << where;
        EXPECT_LE(n, 250u) << where;
        EXPECT_EQ(r.content.find('\n'), std::string::npos) << where << ": one paragraph per page";
        for (const char *p : placeholders)
            EXPECT_EQ(r.content.find(p), std::string::npos) << where << " contains " << p;
        auto [it, fresh] = seen.emplace(r.content, where);
        EXPECT_TRUE(fresh) << where << " repeats the text of " << it->second;
    }
}

TEST_F(PictureArticles, EveryPageNamesItsOwnDrawingAndNoDrawingIsUnused) {
    std::set<std::string> named;
    std::map<std::string, std::string> bodies;
    for (const PageRow &r : *rows_) {
        std::string expected = "@file:" + PictureName(r);
        EXPECT_EQ(r.picture, expected);
        named.insert(PictureName(r));
        std::string path = kKelFileDir + "/" + PictureName(r);
        ASSERT_TRUE(std::filesystem::is_regular_file(path)) << path << " is missing";
        std::string body = ReadFile(path);
        auto [it, fresh] = bodies.emplace(body, PictureName(r));
        EXPECT_TRUE(fresh) << PictureName(r) << " is the same drawing as " << it->second;
    }
    for (const auto &entry : std::filesystem::directory_iterator(kKelFileDir + "/tuwen")) {
        std::string name = "tuwen/" + entry.path().filename().string();
        EXPECT_TRUE(named.count(name)) << name << " belongs to no page";
    }
}

// What the viewer's SVG renderer draws: the basic shapes, text, groups and linear gradients.
const std::set<std::string> kAllowedElements = {
    "svg",     "defs", "g",    "rect",  "circle",         "ellipse", "line",  "polyline",
    "polygon", "path", "text", "tspan", "linearGradient", "stop",    "title", "desc"};
const std::set<std::string> kShapes = {"rect", "circle", "ellipse", "line", "polyline", "polygon", "path"};

struct DrawingCensus {
    int shapes = 0;
    int texts = 0;
    bool chineseLabel = false;
    std::set<std::string> gradientIds;
    std::vector<std::string> urlRefs;
    std::vector<std::string> faults;
};

void Walk(const XmlElement &el, DrawingCensus &census) {
    if (!kAllowedElements.count(el.name))
        census.faults.push_back("element <" + el.name + "> is not drawn");
    for (const auto &[key, value] : el.attributes) {
        if (key == "style" || key == "class" || key.rfind("xlink:", 0) == 0 || key == "href" || key == "filter")
            census.faults.push_back("<" + el.name + "> uses attribute " + key);
        if (value.find("url(#") != std::string::npos) {
            std::size_t at = value.find("url(#") + 5;
            census.urlRefs.push_back(value.substr(at, value.find(')', at) - at));
        }
    }
    if (el.name == "linearGradient" && el.attributes.count("id"))
        census.gradientIds.insert(el.attributes.at("id"));
    if (kShapes.count(el.name))
        ++census.shapes;
    if (el.name == "text") {
        ++census.texts;
        auto font = el.attributes.find("font-family");
        if (font == el.attributes.end() || font->second.find("Noto Sans CJK SC") == std::string::npos)
            census.faults.push_back("a <text> without a Chinese font");
        for (unsigned char c : el.text)
            if (c >= 0xE4 && c <= 0xE9) // lead byte of a CJK ideograph in UTF-8
                census.chineseLabel = true;
    }
    for (const auto &child : el.children)
        Walk(*child, census);
}

TEST_F(PictureArticles, DrawingsAreWellFormedSvgOfThePictureSize) {
    for (const PageRow &r : *rows_) {
        const std::string name = PictureName(r);
        std::string body = ReadFile(kKelFileDir + "/" + name);
        if (!ValidUtf8(body)) {
            ADD_FAILURE() << name << " is not valid UTF-8";
            continue;
        }
        XmlReader reader(body);
        auto root = reader.parse();
        if (!root) {
            ADD_FAILURE() << name << ": " << reader.error();
            continue;
        }
        EXPECT_EQ(root->name, "svg") << name;
        EXPECT_EQ(root->attributes["xmlns"], "http://www.w3.org/2000/svg") << name;
        EXPECT_EQ(root->attributes["viewBox"], "0 0 652 358") << name;
        EXPECT_EQ(root->attributes["width"], "652") << name;
        EXPECT_EQ(root->attributes["height"], "358") << name;

        DrawingCensus census;
        Walk(*root, census);
        for (const std::string &fault : census.faults)
            ADD_FAILURE() << name << ": " << fault;
        for (const std::string &ref : census.urlRefs)
            EXPECT_TRUE(census.gradientIds.count(ref)) << name << ": url(#" << ref << ") points nowhere";
        // A real drawing: a heading plus shapes and labels, not an empty frame.
        EXPECT_GE(census.shapes, 5) << name << " draws almost nothing";
        EXPECT_GE(census.texts, 2) << name << " has no labels";
        EXPECT_TRUE(census.chineseLabel) << name << " has no Chinese label";
    }
}

} // namespace
