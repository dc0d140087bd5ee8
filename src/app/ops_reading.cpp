// Name analysis, three talents, birth signs, the combined report, report files and printing.
#include "app/Unt_Main.h"

#include "app/combined_report.h"
#include "app/report_file.h"
#include "app/report_printer.h"
#include "common/errors.h"
#include "common/platform.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPrinterInfo>

namespace mingshu::app {
namespace {

QStringList ToQt(const std::vector<std::string> &lines) {
    QStringList out;
    for (const auto &l : lines)
        out << QString::fromStdString(l);
    return out;
}

void SaveReport(TFrmmain &w) {
    auto lines = w.report().lines();
    if (ReportIsEmpty(lines))
        return;
    std::string name = w.profile().Surname + w.profile().GivenName;
    QString proposed = QString::fromStdString(ProposedFileName(name, w.lastSaveName.toStdString()));
    auto chosen = w.saveFileDialog(proposed);
    if (!chosen || chosen->isEmpty())
        return;
    w.lastSaveName = QFileInfo(*chosen).fileName();
    std::string target = SaveTarget(chosen->toStdString());
    if (QFileInfo::exists(QString::fromStdString(target)) &&
        !CurrentPlatform().askYesNo("文件“" + target + "”已经存在，要替换它吗？"))
        return;
    try {
        WriteReportFile(target, lines);
    } catch (const CommandError &e) {
        ShowInfo(e.what());
    }
}

void OpenReport(TFrmmain &w) {
    auto chosen = w.openFileDialog();
    if (!chosen || chosen->isEmpty())
        return;
    std::vector<std::string> lines;
    try {
        lines = ReadReportFile(chosen->toStdString());
    } catch (const CommandError &e) {
        ShowInfo(e.what()); // the report on screen stays as it was
        return;
    }
    w.report().setLines(lines);
    w.RevealReport();
}

void PrintReport(TFrmmain &w, QPrinter &settings) {
    if (QPrinterInfo::availablePrinters().isEmpty())
        throw CommandError("没有安装打印机，无法打印测算结果。请先安装打印机。");
    QPrinter printer(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution);
    printer.setPageLayout(settings.pageLayout());
    PrintReportLines(printer, ToQt(w.report().lines()), w.RzMemo1->font());
}

} // namespace

void RegisterReadingOperations(TFrmmain &window) {
    TFrmmain *w = &window;
    auto year = [] { return static_cast<int>(CurrentPlatform().today().year()); };

    window.registerOp(Op::CombinedReport, [w, year](const OpArg &) {
        if (RunCombinedReport(w->inputBar(), w->profile(), w->report(), w->ADOQname, year()))
            w->RevealReport();
    });
    window.registerOp(Op::NameAnalysis, [w](const OpArg &) {
        RunNameAnalysisCommand(w->profile(), w->report(), w->ADOQname);
        w->ScrollReportToTop();
    });
    window.registerOp(Op::ThreeTalents,
                      [w](const OpArg &) { RunThreeTalentsCommand(w->profile(), w->report(), w->ADOQname); });
    window.registerOp(Op::BloodReading, [w](const OpArg &) {
        RunBirthSignCommand(readings::BirthSign::BloodType, w->profile(), w->report());
    });
    window.registerOp(Op::ZodiacReading, [w](const OpArg &) {
        RunBirthSignCommand(readings::BirthSign::Zodiac, w->profile(), w->report());
        w->ScrollReportToTop();
    });
    window.registerOp(Op::StarSignReading, [w](const OpArg &) {
        RunBirthSignCommand(readings::BirthSign::StarSign, w->profile(), w->report());
    });
    window.registerOp(Op::NamingBook, [w](const OpArg &) { StoreNames(w->inputBar(), w->profile()); });

    window.registerOp(Op::NewReport, [w](const OpArg &) {
        w->report().clear();
        w->NameA->clear();
        w->NameB->clear();
        w->NameA->setFocus();
    });
    window.saveFileDialog = [w](const QString &proposed) -> std::optional<QString> {
        QString name =
            QFileDialog::getSaveFileName(w, QStringLiteral("保存"), proposed, QStringLiteral("文本文件 (*.txt)"),
                                         nullptr, QFileDialog::DontConfirmOverwrite);
        if (name.isEmpty())
            return std::nullopt;
        return name;
    };
    window.openFileDialog = [w]() -> std::optional<QString> {
        QString name = QFileDialog::getOpenFileName(w);
        if (name.isEmpty())
            return std::nullopt;
        return name;
    };
    window.registerOp(Op::SaveReport, [w](const OpArg &) { SaveReport(*w); });
    window.registerOp(Op::OpenReport, [w](const OpArg &) { OpenReport(*w); });

    // The page settings live as long as the window, so a page set-up holds for later prints.
    auto *settings = new QPrinter(QPrinter::HighResolution);
    ConfigureReportPrinter(*settings);
    QObject::connect(w, &QObject::destroyed, [settings] { delete settings; });
    window.registerOp(Op::PrintReport, [w, settings](const OpArg &) { PrintReport(*w, *settings); });
    window.registerOp(Op::PageSetup, [w, settings](const OpArg &) {
        try {
            ReportPrintSetup dialog(*settings, ToQt(w->report().lines()), w->RzMemo1->font(), w);
            dialog.exec();
        } catch (...) {
            // Errors of the page set-up are ignored.
        }
    });
}

} // namespace mingshu::app
