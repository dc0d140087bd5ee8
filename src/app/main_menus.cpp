// The main menu and the command panel as data; the window builds its controls from these tables.
#include "app/main_menus.h"

namespace mingshu::app {

const std::vector<MenuEntry> &MainMenu() {
    static const std::vector<MenuEntry> menu = {
        {"系统(&S)", Op::None, {}, false, {}},
        {"算命(&B)", Op::None, {}, false, {
            {"生辰信息", Op::BirthInfo, {}, true, {}},
        }},
        {"星座(&X)", Op::None, {}, false, {}},
        {"占卜(&Z)", Op::None, {}, false, {}},
        {"配对(&P)", Op::None, {}, false, {}},
        {"风水(&F)", Op::None, {}, false, {}},
        {"面相(&M)", Op::None, {}, false, {}},
        {"痣相(&C)", Op::None, {}, false, {}},
        {"工具(&G)", Op::None, {}, false, {}},
        {"造命(&K)", Op::None, {}, false, {}},
        {"帮助(&H)", Op::None, {}, false, {}},
    };
    return menu;
}

const std::vector<PanelGroup> &CommandPanel() {
    static const std::vector<PanelGroup> groups = {
        {"命理测算", {{"生辰信息", Op::BirthInfo, {}, false, {}}}},
        {"姓名测算", {}},
        {"星座运程", {}},
        {"占卜预测", {}},
        {"缘分配对", {}},
        {"实用工具", {}},
    };
    return groups;
}

} // namespace mingshu::app
