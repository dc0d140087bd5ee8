// Printing the report: Letter paper, 12.7 mm margins, 6.35 mm header and footer areas, the report's font.
#pragma once

#include <QDialog>
#include <QFont>
#include <QStringList>

class QLabel;
class QPrinter;

namespace mingshu::app {

// Letter paper, portrait, 12.7 mm margins on every side.
void ConfigureReportPrinter(QPrinter &printer);
// Prints the lines page by page: a header area with the product name, the text, a footer area with the page
// number. Throws CommandError when the printer cannot be started.
void PrintReportLines(QPrinter &printer, const QStringList &lines, const QFont &font);

// The page set-up window of the report: shows the paper and margins and leads on to the page dialog, a print
// preview and the print dialog.
class ReportPrintSetup : public QDialog {
    Q_OBJECT
public:
    ReportPrintSetup(QPrinter &printer, QStringList lines, QFont font, QWidget *parent = nullptr);

    void openPageDialog();
    void openPreview();
    void openPrintDialog();

private:
    void refreshSummary();

    QPrinter &printer_;
    QStringList lines_;
    QFont font_;
    QLabel *summary_ = nullptr;
};

} // namespace mingshu::app
