// TFrmmain: the main window — input bar, report view, menus, command panel, bars and the birth profile.
#pragma once

#include "app/birth_profile.h"
#include "app/main_menus.h"
#include "app/report_view.h"
#include "content/database.h"

#include <QMainWindow>

#include <functional>
#include <map>
#include <memory>
#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QScrollArea;
class QTimer;
class QToolButton;
class QVBoxLayout;

// The report view's lines as a ReportView: appending, clearing and reading back line by line.
class MemoReport : public mingshu::app::ReportView {
public:
    explicit MemoReport(QPlainTextEdit *memo) : memo_(memo) {}
    void clear() override;
    void append(const std::string &line) override;
    std::vector<std::string> lines() const override;
    // Replaces the whole report by these lines.
    void setLines(const std::vector<std::string> &lines);

private:
    QPlainTextEdit *memo_;
};

class TFrmmain : public QMainWindow {
    Q_OBJECT
public:
    explicit TFrmmain(QWidget *parent = nullptr);
    ~TFrmmain() override;

    using OpHandler = std::function<void(const mingshu::app::OpArg &)>;
    // Binds an operation of the menus, the command panel and the bars to its handler.
    void registerOp(mingshu::app::Op op, OpHandler handler);
    // Runs an operation inside the general error handler: a silent abort ends it quietly, any other failure
    // is shown. An operation without a handler does nothing.
    void runOp(mingshu::app::Op op, const mingshu::app::OpArg &arg = {});
    // Runs any command body inside the general error handler.
    void runGuarded(const std::function<void()> &body);

    // The input bar's current texts.
    mingshu::app::InputBar inputBar() const;
    mingshu::app::BirthProfile &profile() { return profile_; }
    MemoReport &report() { return *report_; }

    bool ReadBirthProfile();
    bool WriteBirthSection();
    void RevealReport();
    void ScrollReportToTop();

    // Finds the menu action or panel button with this caption (menus searched depth first); null when absent.
    QAction *findMenuAction(const QString &caption) const;
    QToolButton *findPanelButton(const QString &caption) const;

    // Input bar
    QLineEdit *NameA = nullptr;
    QLineEdit *NameB = nullptr;
    QComboBox *Sex = nullptr;
    QComboBox *Xuxing = nullptr;
    QComboBox *SYear = nullptr;
    QComboBox *SMonth = nullptr;
    QComboBox *Sday = nullptr;
    QComboBox *Shour = nullptr;
    QPushButton *RzBitBtn1 = nullptr; // 确认测算
    QPushButton *RzBitBtn2 = nullptr; // 帮助中心
    QPushButton *RzBitBtn3 = nullptr; // 关于系统
    // Report area
    QWidget *reportArea = nullptr;
    QPlainTextEdit *RzMemo1 = nullptr;
    QWidget *EmbeddedWB1 = nullptr;  // web panel over the report area
    QPlainTextEdit *Memo1 = nullptr; // hidden line list of the news rotation
    // Banner strip
    QWidget *banner = nullptr;
    QWidget *EmbeddedWB2 = nullptr; // web panel over the banner
    QTimer *Timer1 = nullptr;
    QTimer *Timer2 = nullptr;
    // The main window's query components on KelFile.dll, connected when the window is first shown:
    // ADOQname runs the name and three-talents lookups; ADOteam runs nothing.
    mingshu::content::Query ADOQname;
    mingshu::content::Query ADOteam;
    // The file dialogs of the report commands; tests put their own answers here.
    std::function<std::optional<QString>(const QString &proposed)> saveFileDialog;
    std::function<std::optional<QString>()> openFileDialog;
    QString lastSaveName; // the save dialog keeps its last file name
    // Left column and bars
    QScrollArea *commandPanel = nullptr;
    QWidget *bottomBar = nullptr;
    std::map<std::string, QPushButton *> bottomButtons; // by caption

signals:
    // Emitted after the window was shown for the first time.
    void firstShown();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

public:
    // Asked when the window is closed by its title bar; true lets it close. Set by the shell's exit flow.
    std::function<bool()> confirmClose;

private:
    void buildMenus();
    void buildCommandPanel();
    void buildInputBar(QVBoxLayout *column);
    void buildReportArea(QVBoxLayout *column);
    void buildBottomBar(QVBoxLayout *column);
    void layoutReportArea();
    void addMenuEntries(QMenu *menu, const std::vector<mingshu::app::MenuEntry> &entries);

    mingshu::app::BirthProfile profile_;
    std::unique_ptr<MemoReport> report_;
    std::map<mingshu::app::Op, OpHandler> handlers_;
    bool shown_once_ = false;
    bool web_panel_moved_ = false;
};

namespace mingshu::app {
// Binds the operations of every subsystem to the main window (each subsystem registers its own).
void RegisterOperations(TFrmmain &window);
void RegisterShellOperations(TFrmmain &window);
void RegisterReadingOperations(TFrmmain &window);
void RegisterNumberOperations(TFrmmain &window);
void RegisterCalendarOperations(TFrmmain &window);
void RegisterReaderOperations(TFrmmain &window);
} // namespace mingshu::app
