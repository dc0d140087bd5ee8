// What every menu entry and command-panel button of the main window runs: captions, order and operations.
#pragma once

#include <string>
#include <vector>

namespace mingshu::app {

enum class Op {
    None, // present, does nothing
    // report (shell)
    BirthInfo,
    CombinedReport,
    NewReport,
    OpenReport,
    SaveReport,
    PageSetup,
    PrintReport,
    ScrollTop,
    Exit,
    // single readings into the report view
    NamingBook,
    NameAnalysis,
    ThreeTalents,
    ZodiacReading,
    BloodReading,
    StarSignReading,
    StarTopic,
    // windows
    OpenMobile,
    OpenQQ,
    OpenOtherNumber,
    OpenNickname,
    OpenBoneWeight,
    OpenNanNv,
    OpenCalendar,
    About,
    Service,
    // shared windows fed with a key
    Article,
    PictureArticle,
    Omen,
    Animation,
    // shell and addresses
    HelpTopics,
    HomePage,
    MailUs,
    QQChat,
    Upgrade,
    OtherProducts,
};

// The key an operation gets: an article code, a title or caption, a kind or number.
struct OpArg {
    std::string text;
    int number = 0;
};

struct MenuEntry {
    std::string caption;
    Op op = Op::None;
    OpArg arg;
    bool separator_before = false;
    std::vector<MenuEntry> submenu; // a submenu when not empty
};

struct PanelGroup {
    std::string heading;
    std::vector<MenuEntry> buttons; // row by row, left button first
};

// The eleven drop-down menus in order, each a MenuEntry with its submenu.
const std::vector<MenuEntry> &MainMenu();
// The six groups of the command panel.
const std::vector<PanelGroup> &CommandPanel();

} // namespace mingshu::app
