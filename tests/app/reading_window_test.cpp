// The reading commands on the real main window: confirmation, single readings, new, save, open and printing.
#include "app/Unt_Main.h"
#include "app/report_file.h"
#include "app/report_printer.h"

#include "app/reading_fixture.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

using mingshu::app::Op;

namespace {

std::string Slurp(const QString &p) {
    std::ifstream in(p.toStdString(), std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

class ReadingWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        window = std::make_unique<TFrmmain>();
        window->show();
        window->NameA->setText(QStringLiteral("张"));
        window->NameB->setText(QStringLiteral("三"));
        ASSERT_TRUE(dir.isValid());
        window->saveFileDialog = [this](const QString &proposed) -> std::optional<QString> {
            proposals.push_back(proposed);
            if (save_answer.isEmpty())
                return std::nullopt;
            return dir.filePath(save_answer);
        };
        window->openFileDialog = [this]() -> std::optional<QString> {
            if (open_answer.isEmpty())
                return std::nullopt;
            return dir.filePath(open_answer);
        };
    }
    void run(const char *caption) {
        QAction *a = window->findMenuAction(QString::fromUtf8(caption));
        ASSERT_NE(a, nullptr) << caption;
        a->trigger();
    }
    std::vector<std::string> lines() { return window->report().lines(); }

    mingshu::testing::ReadingFixturePlatform platform;
    std::unique_ptr<TFrmmain> window;
    QTemporaryDir dir;
    QStringList proposals;
    QString save_answer, open_answer;
};

TEST_F(ReadingWindowTest, ConfirmTwiceGivesTheSameReport) {
    window->RzBitBtn1->click();
    auto first = lines();
    ASSERT_EQ(first.size(), 46u);
    EXPECT_TRUE(window->RzMemo1->isVisible());
    window->RzBitBtn1->click();
    EXPECT_EQ(lines(), first);
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(ReadingWindowTest, EmptyGivenNameChangesNothingButTheMessage) {
    window->RzBitBtn1->click();
    auto before = lines();
    window->NameB->clear();
    window->RzBitBtn1->click();
    EXPECT_EQ(platform.messages, std::vector<std::string>{"名不能为空!"});
    EXPECT_EQ(lines(), before);
}

TEST_F(ReadingWindowTest, SingleReadingsWaitForAConfirmation) {
    for (Op op : {Op::NameAnalysis, Op::ThreeTalents, Op::BloodReading, Op::ZodiacReading, Op::StarSignReading})
        window->runOp(op);
    EXPECT_FALSE(window->RzMemo1->isVisible());
    EXPECT_LE(lines().size(), 1u); // at most the line break the zodiac command's scroll leaves
    window->RzBitBtn1->click();
    window->runOp(Op::ThreeTalents);
    EXPECT_EQ(lines().size(), 4u);
    window->runOp(Op::NameAnalysis);
    EXPECT_EQ(lines().size(), 24u);
    window->runOp(Op::BloodReading);
    EXPECT_EQ(lines()[0], "张三,您的血型为A型,经系统分析如下:");
}

TEST_F(ReadingWindowTest, NewReportClearsTheViewAndNames) {
    window->RzBitBtn1->click();
    window->Sex->setCurrentText(QStringLiteral("女"));
    window->runOp(Op::NewReport);
    EXPECT_TRUE(lines().empty());
    EXPECT_TRUE(window->NameA->text().isEmpty());
    EXPECT_TRUE(window->NameB->text().isEmpty());
    EXPECT_EQ(window->Sex->currentText(), QStringLiteral("女"));
    EXPECT_EQ(window->profile().Surname, "张"); // the profile stays
}

TEST_F(ReadingWindowTest, SaveProposesTheNameAndRoundTrips) {
    window->runOp(Op::SaveReport); // empty report: no dialog
    EXPECT_TRUE(proposals.isEmpty());
    window->RzBitBtn1->click();
    save_answer = QStringLiteral("张三");
    window->runOp(Op::SaveReport);
    ASSERT_EQ(proposals, QStringList{QStringLiteral("张三")});
    QString saved = dir.filePath(QStringLiteral("张三.txt"));
    EXPECT_EQ(Slurp(saved), mingshu::app::EncodeReport(lines()));

    // Choosing a name that already ends in .txt writes that file, after asking before replacing it.
    save_answer = QStringLiteral("张三.txt");
    platform.answer = false;
    std::ofstream(saved.toStdString(), std::ios::binary) << "older\r\n";
    window->runOp(Op::SaveReport);
    EXPECT_EQ(platform.questions.size(), 1u);
    EXPECT_EQ(Slurp(saved), "older\r\n");
    platform.answer = true;
    window->runOp(Op::SaveReport);
    EXPECT_EQ(Slurp(saved), mingshu::app::EncodeReport(lines()));
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("张三.txt.txt"))));

    auto report = lines();
    window->runOp(Op::NewReport);
    open_answer = QStringLiteral("张三.txt");
    window->runOp(Op::OpenReport);
    EXPECT_EQ(lines(), report);
}

TEST_F(ReadingWindowTest, UnreadableFileKeepsTheReport) {
    window->RzBitBtn1->click();
    auto before = lines();
    open_answer = QStringLiteral("missing.txt");
    window->runOp(Op::OpenReport);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_NE(platform.messages[0].find("missing.txt"), std::string::npos);
    EXPECT_EQ(lines(), before);
}

TEST_F(ReadingWindowTest, SaveFailureSaysSo) {
    window->RzBitBtn1->click();
    save_answer = QStringLiteral("no-such-folder/张三");
    window->runOp(Op::SaveReport);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_NE(platform.messages[0].find("没有保存"), std::string::npos);
}

TEST_F(ReadingWindowTest, PrintingWithoutAPrinterIsReported) {
    window->RzBitBtn1->click();
    window->runOp(Op::PrintReport);
    ASSERT_EQ(platform.errors.size(), 1u);
    EXPECT_NE(platform.errors[0].find("打印机"), std::string::npos);
}

TEST_F(ReadingWindowTest, PrintedPdfReadsBack) {
    window->RzBitBtn1->click();
    QStringList text;
    for (const auto &l : lines())
        text << QString::fromStdString(l);
    QPrinter printer(QPrinter::HighResolution);
    mingshu::app::ConfigureReportPrinter(printer);
    printer.setOutputFormat(QPrinter::PdfFormat);
    QString pdf = dir.filePath(QStringLiteral("report.pdf"));
    printer.setOutputFileName(pdf);
    mingshu::app::PrintReportLines(printer, text, window->RzMemo1->font());
    EXPECT_EQ(printer.pageLayout().pageSize().id(), QPageSize::Letter);
    QString txt = dir.filePath(QStringLiteral("report.txt"));
    int rc = std::system(("pdftotext -layout '" + pdf.toStdString() + "' '" + txt.toStdString() + "'").c_str());
    ASSERT_EQ(rc, 0);
    std::string back = Slurp(txt);
    EXPECT_NE(back.find("姓名：张三"), std::string::npos);
    EXPECT_NE(back.find("【姓名分析】"), std::string::npos);
    EXPECT_NE(back.find("第 1 页"), std::string::npos);
}

} // namespace
