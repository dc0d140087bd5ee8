// Exit flow, help, about, customer service, addresses and the news panels: the main window's operations of this group.
#include "app/Unt_Main.h"

#include "app/news_panels.h"
#include "common/platform.h"
#include "periphery/EndMsg.h"
#include "periphery/Uabout.h"
#include "periphery/Unt_servers.h"
#include "periphery/vendor_config.h"

#include <QLabel>
#include <QPointer>
#include <QStatusBar>

#include <filesystem>
#include <memory>

namespace mingshu::app {
namespace {

// A window command: the instance of the last use is destroyed, a fresh one is shown modally and stays until
// the next use or the end of the program.
template <typename Window> TFrmmain::OpHandler ModalWindowCommand(TFrmmain &window) {
    auto last = std::make_shared<QPointer<Window>>();
    return [&window, last](const OpArg &) {
        delete last->data();
        *last = new Window(&window);
        (*last)->exec();
    };
}

// Opens a page that ships in the program directory, or says which file is missing.
void OpenProgramFile(const std::string &relative, const std::string &what) {
    std::string path = GetProgramDirectory() + relative;
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) {
        ShowInfo("找不到" + what + "：" + path);
        return;
    }
    CurrentPlatform().openUrl(path);
}

// An address of the vendor when the build set one, else the page that ships with the program.
void OpenVendorPage(const char *address, const std::string &local, const std::string &what) {
    if (*address)
        CurrentPlatform().openUrl(address);
    else
        OpenProgramFile(local, what);
}

void OpenChat() {
    if (*vendor::kChatLink)
        CurrentPlatform().openUrl(vendor::kChatLink);
    else
        ShowInfo("本版本未设置在线客服账号，请通过“客户服务”查看其他联系方式。");
}

// The status bar's links to the vendor's other products, after the "其他产品:" pane.
void AddProductLinks(TFrmmain &window) {
    for (const char *caption : {"明枢万年历", "明枢起名助手"}) {
        auto *link = new QLabel(QStringLiteral("<a href=\"products\">%1</a>").arg(QString::fromUtf8(caption)));
        link->setObjectName(QStringLiteral("statusProduct"));
        link->setTextInteractionFlags(Qt::LinksAccessibleByMouse);
        QObject::connect(link, &QLabel::linkActivated, &window,
                         [&window](const QString &) { window.runOp(Op::OtherProducts); });
        window.statusBar()->addPermanentWidget(link);
    }
}

} // namespace

void RegisterShellOperations(TFrmmain &window) {
    // Leaving by 退出系统, 退出 or the title bar asks once; on 是 the program ends and the exit page, if the
    // build names one, opens in the browser.
    window.confirmClose = [&window] {
        if (!ConfirmExit(&window))
            return false;
        if (*vendor::kExitPage)
            CurrentPlatform().openUrl(vendor::kExitPage);
        return true;
    };
    window.registerOp(Op::Exit, [&window](const OpArg &) { window.close(); });

    window.registerOp(Op::HelpTopics, [](const OpArg &) { OpenProgramFile("help/SMhelp.html", "帮助文件"); });
    window.registerOp(Op::HomePage,
                      [](const OpArg &) { OpenVendorPage(vendor::kHomePage, "help/pages/home.html", "公司主页"); });
    window.registerOp(Op::OtherProducts, [](const OpArg &) {
        OpenVendorPage(vendor::kOtherProducts, "help/pages/products.html", "产品介绍页");
    });
    window.registerOp(Op::MailUs, [](const OpArg &) {
        if (*vendor::kSupportMail)
            CurrentPlatform().openUrl(std::string("mailto:") + vendor::kSupportMail);
        else
            ShowInfo("本版本未设置客服邮箱，请通过“客户服务”查看其他联系方式。");
    });
    window.registerOp(Op::QQChat, [](const OpArg &) { OpenChat(); });
    window.registerOp(Op::Upgrade, [](const OpArg &) { ShowInfo("感谢你的使用,软件是最新版无需升级!"); });
    window.registerOp(Op::About, ModalWindowCommand<TAbout>(window));
    window.registerOp(Op::Service, ModalWindowCommand<TFrm_servers>(window));
    window.registerOp(Op::ScrollTop, [&window](const OpArg &) { window.ScrollReportToTop(); });

    AddProductLinks(window);
    new NewsPanels(window, NewsServer(), NewsTimeoutMs());
}

} // namespace mingshu::app
