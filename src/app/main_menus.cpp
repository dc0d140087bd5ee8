// The main menu and the command panel as data; the window builds its controls from these tables.
#include "app/main_menus.h"

#include <utility>

namespace mingshu::app {
namespace {

// Builders that keep the tables readable: one line per entry, as the menus show them.
MenuEntry E(std::string caption, Op op = Op::None, OpArg arg = {}) {
    return MenuEntry{std::move(caption), op, std::move(arg), false, {}};
}
// The same entry with a separator line before it.
MenuEntry Line(MenuEntry entry) {
    entry.separator_before = true;
    return entry;
}
MenuEntry Sub(std::string caption, std::vector<MenuEntry> entries) {
    return MenuEntry{std::move(caption), Op::None, {}, false, std::move(entries)};
}

MenuEntry Art(std::string caption, const char *code) {
    return E(std::move(caption), Op::Article, {code, 0});
}
// A picture article gets its number and the entry's own caption, which becomes the viewer's title.
MenuEntry Pic(const std::string &caption, int number) {
    return E(caption, Op::PictureArticle, {caption, number});
}
MenuEntry Omen(std::string caption, const char *title, int kind) {
    return E(std::move(caption), Op::Omen, {title, kind});
}
MenuEntry Topic(std::string caption, int kind) {
    OpArg arg{caption, kind};
    return E(std::move(caption), Op::StarTopic, std::move(arg));
}

// The face-reading and mole-reading entries are present for their captions only and run nothing.
std::vector<MenuEntry> Inert(std::initializer_list<const char *> captions) {
    std::vector<MenuEntry> out;
    for (const char *c : captions)
        out.push_back(E(c));
    return out;
}

std::vector<MenuEntry> SystemMenu() {
    return {
        E("新建测算", Op::NewReport),  E("打开记录...", Op::OpenReport),      Line(E("保存测算", Op::SaveReport)),
        E("另存测算", Op::SaveReport), Line(E("打印设置...", Op::PageSetup)), E("打印结果", Op::PrintReport),
        Line(E("退出系统", Op::Exit)),
    };
}

std::vector<MenuEntry> FortuneMenu() {
    return {
        Art("姓名原理", "a1"),
        E("取名宝典", Op::NamingBook),
        Line(E("姓名分析", Op::NameAnalysis)),
        E("三才吉凶", Op::ThreeTalents),
        Line(E("生辰信息", Op::BirthInfo)),
        E("八字解析"),
        Line(E("骨重算命...", Op::OpenBoneWeight)),
        E("生日算命"),
        E("属相运程", Op::ZodiacReading),
        Line(E("测字算命...")),
        E("血型算命", Op::BloodReading),
        E("指纹算命..."),
    };
}

std::vector<MenuEntry> StarSignMenu() {
    return {
        E("本年运程", Op::ScrollTop),
        E("星座运程", Op::StarSignReading),
        Line(Topic("情商解析", 0)),
        Topic("星座实力", 1),
        Topic("星座名人", 2),
        Topic("身体保健", 3),
        Topic("五大建议", 4),
        Topic("星座缺陷", 5),
        E("星座缘分"),
    };
}

std::vector<MenuEntry> DivinationMenu() {
    return {
        E("眼形占卜 "),
        E("手相占卜"),
        E("拜佛求签", Op::Animation, {"拜佛求签", 2}),
        E("土地圣杯"),
        Line(Omen("打喷嚏占卜", "打喷嚏占卜吉凶", 0)),
        Omen("面热测占卜", "面热测吉凶", 1),
        Omen("心惊测占卜", "心惊测吉凶", 2),
        Omen("犬吠测占卜", "犬吠测吉凶", 3),
        Omen("眼跳测占卜", "眼跳测吉凶", 4),
        Omen("耳热测占卜", "耳热测吉凶", 5),
        Omen("耳鸣测占卜", "耳鸣测吉凶", 6),
    };
}

std::vector<MenuEntry> PairingMenu() {
    return {E("缘分测试"), Line(E("星座配对")), E("生肖配对"), E("血型配对")};
}

std::vector<MenuEntry> FengShuiMenu() {
    return {
        Sub("风水常识", {Art("风水常识", "c1"), Art("选房风水", "c2")}),
        Sub("风水与爱情 ",
            {
                Pic("旺夫家居风水设计 [图]", 1),
                Pic("家居风水与姻缘 [图]", 2),
                Pic("桃花盛开制胜秘笈 [图]", 3),
                Pic("家居风水与桃花运 [图]", 4),
                Pic("风水秘籍钓 \"金龟婿\" [图]", 5),
                Pic("十二星座卧室桃花运大揭密 [图]", 6),
            }),
        Line(Pic("家居风水开运方法", 7)),
        Art("家居风水注意几个方位", "c3"),
        Pic("财神摆放指南", 8),
        Pic("随意改房对风水影响 ", 9),
        Pic("装修颜色与风水吉凶", 10),
        Art("六大贫贱家居风水", "c4"),
        Pic("客厅招财布局", 11),
        Pic("九种最常见风水煞气及解救方法", 12),
        Pic("除夕家居风水摆设与新年运", 13),
        Pic("6种类型的住宅学会驱邪避凶", 14),
        Art("改变运势的装修技巧", "c5"),
        Pic("家居装饰吉祥物的悬挂方法", 15),
        Art("通用12种风水方式", "c6"),
        Art("求职与家居风水", "c7"),
        Pic("居家好风水的15件宝贝", 16),
        Art("鼠年家居风水新讲究", "c8"),
        Art("七項陽宅应注意事項", "c9"),
    };
}

std::vector<MenuEntry> FaceMenu() {
    std::vector<MenuEntry> menu = {
        Sub("桃花面相",
            Inert({"漂亮女人没有好运的面相", "哪种面相注定有桃花命", "看面相找中意的老婆", "九大富贵桃花面相",
                   "桃花运不断的几种面相", "如何从嘴形看爱情", "姐弟恋幸福的男生面相", "什么面相情侣能结婚",
                   "面相与相亲", "命中注定会相亲的面相", "从耳相可以看出她的感情", "吃准女人的男人面相"})),
        Sub("财运面相", Inert({"可以轻松赚钱的面相", "吃空老公钱财的面相", "小气财神爷的手面相",
                               "能吸引有钱人的面貌特征", "哪些人结婚后好运会跟着来"})),
        Sub("职场面相", Inert({"改变面相增加工作运势", "哪些老板面相能折磨员工", "最难管理的下属面相",
                               "从面相判断女强人", "人中之龙的面相特征", "眼睛清奇多具潜能"})),
        Sub("面相吉凶",
            Inert({"面相看出女人好与坏", "面相看你是不是长舌妇", "女人是否红杏出墙的面相特征", "报复心最重的女人长相",
                   "婚姻就象死路的面相", "能够逢凶化吉的面相", "老处女的面相及化解法", "男女好色的特征",
                   "比男人还风流的女人面相", "会趁人之危的男面相"})),
        Sub("开运面相", Inert({"开运面相会生带财小孩的人", "五官破相后如何改变运程"})),
        Sub("常见面相",
            Inert({"种种面相大剖析", "九种头形能看出男女性格", "五官自测性格", "看眼睛知秘密", "相术中女人三大看点",
                   "你有富贵长寿的面相", "用下半身思考的男生相貌", "面相揭示男人的性爱秘密", "观女相辨别贞淫"})),
    };
    auto shapes =
        Inert({"面型分析", "额形分析", "眉形分析", "下颚分析", "耳形分析", "鼻形分析", "眼形分析", "嘴唇分析"});
    shapes.front().separator_before = true;
    menu.insert(menu.end(), shapes.begin(), shapes.end());
    // "敬而远之型男人" stands twice in a row in this submenu.
    menu.push_back(Line(Sub("爱情面相图解", Inert({"不得不爱的女人", "不如不娶的女人", "敬而远之型男人",
                                                   "敬而远之型男人", "托付终身型男人"}))));
    menu.push_back(Sub("职场面相图解", Inert({"不如别跟的老板", "不能错过的人才", "最不听话的员工"})));
    auto charts = Inert({"面相十二宫部位解密图", "面相小人图", "麻衣神相十二宫解释", "旺夫运最强的女人面相图",
                         "最得宠的女人面相特点", "10种手相透析你婚姻"});
    menu.insert(menu.end(), charts.begin(), charts.end());
    return menu;
}

std::vector<MenuEntry> MoleMenu() {
    std::vector<MenuEntry> menu =
        Inert({"手腕间痣", "脚上痣", "三痣相连", "胸口痣", "手心痣", "痣相全身分析", "痣相详解", "十大幸运痣",
               "十二星座幸运痣", "痣相吉凶占卜", "男女痣相辨善恶", "痣斑189部位歌诀"});
    menu.push_back(Line(E("痣位与富贵命")));
    menu.push_back(E("开运痣相"));
    auto rest = Inert(
        {"额头凶痣化解方法", "痣相与旺妻好男人", "痣相与旺夫老婆相", "痣相与财富运", "痣相与有福女", "男女面痣图"});
    rest.front().separator_before = true;
    menu.insert(menu.end(), rest.begin(), rest.end());
    return menu;
}

std::vector<MenuEntry> ToolsMenu() {
    return {
        E("周公解析"),
        E("解梦全书"),
        Line(E("手机号码分析", Op::OpenMobile)),
        E("QQ号码分析", Op::OpenQQ),
        E("更多数字分析", Op::OpenOtherNumber),
        E("网名分析", Op::OpenNickname),
        Line(E("生男生女", Op::OpenNanNv)),
        E("万年历法", Op::OpenCalendar),
    };
}

std::vector<MenuEntry> DestinyMenu() {
    return {
        Sub("八字与姓名",
            {
                Art("什么是八字", "a2"),
                Art("所谓三才", "a3"),
                Art("称骨算命法", "a4"),
                Art("血型测命", "a5"),
                Line(Art("姓名原理", "a1")),
                Art("八字与起名的重要性", "a6"),
                Art("吉祥宝宝起名方法 ", "a7"),
                Art("择日生子（紧参考）", "a8"),
            }),
        Sub("面相学", Inert({"面相概述", "痣相概述", "许负相法十六篇", "达摩祖师相法秘诀", "神曾国藩冰鉴", "神相铁关刀",
                             "鬼谷子神奇相法全书", "神相全编", "何知章", "麻衣相法"})),
        Line(Art("命自我立", "b1")),
        Art("三世因果经", "b2"),
        Art("心命歌", "b3"),
        Art("太上感应篇", "b4"),
        Art("孝经", "b5"),
        Art("孝悌歌", "b6"),
        Art("孝顺歌", "b7"),
        Art("亲恩歌", "b8"),
        Art("孝道良心歌", "b9"),
        Art("闺训千字文", "b10"),
        Art("孔子与小儿论", "b11"),
        Art("朱子治家格言", "b12"),
        Art("百忍歌", "b13"),
    };
}

std::vector<MenuEntry> HelpMenu() {
    return {
        E("帮助主题", Op::HelpTopics),    E("公司主页", Op::HomePage),
        E("关于系统", Op::About),         Line(E("客户服务", Op::Service)),
        E("给我们发邮件", Op::MailUs),    E("与QQ对话", Op::QQChat),
        Line(E("软件升级", Op::Upgrade)), Sub("其他产品", {E("明枢系列软件介绍", Op::OtherProducts)}),
    };
}

// A command-panel button runs the operation of the menu entry it stands for, under a shorter caption.
MenuEntry As(std::string caption, MenuEntry entry) {
    entry.caption = std::move(caption);
    entry.separator_before = false;
    return entry;
}

} // namespace

const std::vector<MenuEntry> &MainMenu() {
    static const std::vector<MenuEntry> menu = {
        Sub("系统(&S)", SystemMenu()),     Sub("算命(&B)", FortuneMenu()), Sub("星座(&X)", StarSignMenu()),
        Sub("占卜(&Z)", DivinationMenu()), Sub("配对(&P)", PairingMenu()), Sub("风水(&F)", FengShuiMenu()),
        Sub("面相(&M)", FaceMenu()),       Sub("痣相(&C)", MoleMenu()),    Sub("工具(&G)", ToolsMenu()),
        Sub("造命(&K)", DestinyMenu()),    Sub("帮助(&H)", HelpMenu()),
    };
    return menu;
}

const std::vector<PanelGroup> &CommandPanel() {
    static const std::vector<PanelGroup> groups = [] {
        auto fortune = FortuneMenu();
        auto star = StarSignMenu();
        auto divination = DivinationMenu();
        auto tools = ToolsMenu();
        auto pick = [](const std::vector<MenuEntry> &menu, const std::string &caption) {
            for (const auto &e : menu)
                if (e.caption == caption)
                    return e;
            return E(caption); // unreachable for the captions below
        };
        auto same = [&](const std::vector<MenuEntry> &menu, const std::string &caption) {
            return As(caption, pick(menu, caption));
        };
        std::vector<PanelGroup> g;
        g.push_back(
            {"命理测算",
             {same(fortune, "生辰信息"), same(fortune, "八字解析"), As("骨重算命", pick(fortune, "骨重算命...")),
              same(fortune, "生日算命"), same(fortune, "属相运程"), As("测字算命", pick(fortune, "测字算命...")),
              same(fortune, "血型算命"), As("指纹算命", pick(fortune, "指纹算命..."))}});
        g.push_back({"姓名测算",
                     {same(fortune, "姓名原理"), same(fortune, "取名宝典"), same(fortune, "姓名分析"),
                      same(fortune, "三才吉凶")}});
        g.push_back({"星座运程",
                     {same(star, "本年运程"), same(star, "星座运程"), same(star, "情商解析"), same(star, "星座实力"),
                      same(star, "星座名人"), same(star, "身体保健"), same(star, "五大建议"), same(star, "星座缺陷")}});
        g.push_back({"占卜预测",
                     {As("喷嚏占卜", pick(divination, "打喷嚏占卜")), As("面热占卜", pick(divination, "面热测占卜")),
                      As("心惊占卜", pick(divination, "心惊测占卜")), As("犬吠占卜", pick(divination, "犬吠测占卜")),
                      As("眼跳占卜", pick(divination, "眼跳测占卜")), As("耳热占卜", pick(divination, "耳热测占卜")),
                      As("耳鸣占卜", pick(divination, "耳鸣测占卜")), As("眼形占卜", pick(divination, "眼形占卜 ")),
                      same(divination, "手相占卜"), same(divination, "拜佛求签"), same(divination, "土地圣杯")}});
        g.push_back({"缘分配对", {E("缘分测试"), E("星座配对"), E("生肖配对"), E("血型配对")}});
        g.push_back({"实用工具",
                     {same(tools, "周公解析"), same(tools, "解梦全书"), As("手机吉凶", pick(tools, "手机号码分析")),
                      As("QQ号吉凶", pick(tools, "QQ号码分析")), same(tools, "生男生女"), same(tools, "万年历法"),
                      As("数字分析", pick(tools, "更多数字分析")), same(tools, "网名分析")}});
        return g;
    }();
    return groups;
}

} // namespace mingshu::app
