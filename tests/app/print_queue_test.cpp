// Printing through a real CUPS queue on the CUPS-PDF driver, made the default: both pages reach the
// queue as whole, named jobs and complete without a word; every way the queue can fail to take a
// job shows the printer-error message, leaves no job behind and the window carries on.
#include "app/print_queue.h"
#include "engine/series_numbers.h"
#include "pdf_text.h"
#include "private_print_server.h"
#include "tests/support/named_rows.h"
#include "worksheet_gui.h"
#include "worksheets/report_printing.h"
#include "worksheets/selection_report.h"

#include <QFileInfo>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <cups/cups.h>
#include <functional>

namespace korveld::testing {

PrivatePrintServer& printServer();

namespace {

using testing_support::PrintTo; // NOLINT(misc-unused-using-decls): found by GoogleTest's printer

// A message box shown while a step ran, as the user saw it before pressing OK.
struct ShownBox {
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString title;
    QString text;
    QMessageBox::StandardButtons buttons;
};

// Runs the step and answers every message box it shows with OK.
std::vector<ShownBox> answeringBoxes(const std::function<void()>& step) {
    std::vector<ShownBox> shown;
    QPointer<QMessageBox> answered;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr || box == answered || !box->isVisible()) {
            return;
        }
        answered = box;
        shown.push_back({box->icon(), box->windowTitle(), box->text(), box->standardButtons()});
        box->done(QMessageBox::Ok);
    });
    poll.start(10);
    step();
    poll.stop();
    return shown;
}

int lastJobId(const std::vector<QueuedJob>& jobs) {
    return jobs.empty() ? 0 : jobs.back().id;
}

enum class Page { Capacity, Selection };

struct PageCase {
    const char* name;
    Page page;
    const char* jobName;
};

const PageCase kCapacityPage{"CapacityWorksheet", Page::Capacity, "KORVELD - Valve Capacity Worksheet KO R-22"};
const PageCase kSelectionPage{"SelectionReport", Page::Selection, "KORVELD - Valve Selection KOE - 1-1/2 - HC"};

class RealQueue : public WorksheetGui {
protected:
    // Brings the page's window up with a result to print; its Print button.
    QPushButton* readyToPrint(Page page) {
        if (page == Page::Capacity) {
            return widget<QPushButton>(rateKO("12000"), "cmdPrint");
        }
        frmResults* dialog = selectShowing({"R-22", series::KO, "40", "14840"});
        return dialog == nullptr ? nullptr : widget<QPushButton>(*dialog, "cmdPrintButton");
    }
    // The page as the program lays it out now.
    QStringList pageLines(Page page) {
        if (page == Page::Capacity) {
            return plainLines(m_program->form<frmtxvCapacity>().Report());
        }
        return plainLines(SelectionReport(*selectionSheet(), *results(), m_platform->DateText(), m_platform->TimeText(),
                                          m_platform->UserNumberLocale()));
    }
    // The window printed from is still there with its result, ready to print again.
    bool carriesOn(Page page) {
        if (page == Page::Capacity) {
            return m_program->form<frmtxvCapacity>().cmdPrint.visible();
        }
        return results() != nullptr && windowOf(*results()).isVisible() && results()->cmdPrintButton.enabled();
    }
};

// ---- Accepted jobs ----

class AcceptedJobs : public RealQueue, public ::testing::WithParamInterface<PageCase> {};

TEST_P(AcceptedJobs, ReachTheQueueWholeAndNamedAndCompleteWithoutAMessage) {
    PrivatePrintServer& server = printServer();
    QPushButton* print = readyToPrint(GetParam().page);
    ASSERT_NE(print, nullptr);
    const int lastBefore = lastJobId(server.jobs());

    const std::vector<ShownBox> boxes = answeringBoxes([&] { QTest::mouseClick(print, Qt::LeftButton); });
    EXPECT_TRUE(boxes.empty()) << boxes.front().text.toStdString();
    const QStringList expected = wordsByLine(pageLines(GetParam().page));

    const std::vector<QueuedJob> jobs = server.jobs();
    ASSERT_EQ(lastJobId(jobs), lastBefore + 1) << "one job, and only one, for one click";
    const QueuedJob& job = jobs.back();
    EXPECT_EQ(job.title, QString::fromUtf8(GetParam().jobName));
    EXPECT_EQ(server.waitUntilDone(job.id, 60000), IPP_JSTATE_COMPLETED) << server.logTail().toStdString();

    const QString document = server.documentFile(job.id);
    ASSERT_TRUE(QFileInfo::exists(document)) << document.toStdString();
    EXPECT_EQ(pdfPageCount(document), 1);
    EXPECT_EQ(pdfTitle(document), QString::fromUtf8(GetParam().jobName));
    const QStringList printed = wordsByLine(pdfPageLines(document, 1));
    ASSERT_EQ(printed.size(), expected.size()) << printed.join(QLatin1Char('|')).toStdString();
    // The first line is the date and time, read when the page was made; the minute may have turned.
    EXPECT_EQ(printed.front().count(QLatin1Char(' ')), expected.front().count(QLatin1Char(' ')));
    EXPECT_EQ(printed.mid(1), expected.mid(1));
    EXPECT_TRUE(carriesOn(GetParam().page));
}

INSTANTIATE_TEST_SUITE_P(RealQueue, AcceptedJobs, ::testing::Values(kCapacityPage, kSelectionPage),
                         testing_support::RowName{});

// ---- Refused jobs ----

// Something that keeps the queue from taking the job, done after the result is on the screen and
// before Print is pressed, and undone afterwards.
struct Refusal {
    const char* name;
    std::function<bool(PrivatePrintServer&)> apply;
    std::function<bool(PrivatePrintServer&)> undo;
};

QString queueName() {
    return QString::fromLatin1(PrivatePrintServer::kQueue);
}

bool run(PrivatePrintServer& server, const char* program, const QStringList& arguments) {
    return server.command(QString::fromLatin1(program), arguments);
}

// clang-format off
const Refusal kRefusals[] = {
    {"QueueRejectsJobs",
     [](PrivatePrintServer& s) { return run(s, "cupsreject", {queueName()}); },
     [](PrivatePrintServer& s) { return run(s, "cupsaccept", {queueName()}); }},
    {"PrinterStopped",
     [](PrivatePrintServer& s) { return run(s, "cupsdisable", {queueName()}); },
     [](PrivatePrintServer& s) { return run(s, "cupsenable", {queueName()}); }},
    {"UserMayNotPrintThere",
     [](PrivatePrintServer& s) { return run(s, "lpadmin", {QStringLiteral("-p"), queueName(), QStringLiteral("-u"), QStringLiteral("allow:korveld-nobody")}); },
     [](PrivatePrintServer& s) { return run(s, "lpadmin", {QStringLiteral("-p"), queueName(), QStringLiteral("-u"), QStringLiteral("allow:all")}); }},
    {"QueueRemoved",
     [](PrivatePrintServer& s) { return run(s, "lpadmin", {QStringLiteral("-x"), queueName()}); },
     [](PrivatePrintServer& s) { return s.addQueue(); }},
    {"SpoolerNotAnswering",
     [](PrivatePrintServer& s) { return s.stopScheduler(); },
     [](PrivatePrintServer& s) { return s.startScheduler(); }},
};
// clang-format on

class RefusedJobs : public RealQueue, public ::testing::WithParamInterface<std::tuple<Refusal, PageCase>> {};

TEST_P(RefusedJobs, ShowThePrinterErrorLeaveNoJobAndTheWindowCarriesOn) {
    const auto& [refusal, page] = GetParam();
    PrivatePrintServer& server = printServer();
    QPushButton* print = readyToPrint(page.page);
    ASSERT_NE(print, nullptr);
    const int lastBefore = lastJobId(server.jobs());

    ASSERT_TRUE(refusal.apply(server)) << server.lastOutput().toStdString();
    const std::vector<ShownBox> boxes = answeringBoxes([&] { QTest::mouseClick(print, Qt::LeftButton); });
    ASSERT_TRUE(refusal.undo(server)) << server.lastOutput().toStdString() << server.logTail().toStdString();

    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text.toStdString(), kPrinterErrorText);
    EXPECT_EQ(boxes[0].title, QStringLiteral("KORVELD"));
    EXPECT_EQ(boxes[0].icon, QMessageBox::NoIcon);
    EXPECT_EQ(boxes[0].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    // Job numbers only grow; a removed queue takes its old jobs with it.
    EXPECT_LE(lastJobId(server.jobs()), lastBefore) << "no job may be left in the queue";
    EXPECT_TRUE(carriesOn(page.page));
}

INSTANTIATE_TEST_SUITE_P(RealQueue, RefusedJobs,
                         ::testing::Combine(::testing::ValuesIn(kRefusals),
                                            ::testing::Values(kCapacityPage, kSelectionPage)),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).name) + "_" + std::get<1>(info.param).name;
                         });

// The default printer is looked up when Print is pressed; the queue may be gone by the time the job
// is made.
TEST(RealQueueJob, QueueGoneAfterItWasChosenIsRefused) {
    const int lastBefore = lastJobId(printServer().jobs());
    const PrintJobOutcome outcome = submitPdfJob(QStringLiteral("korveld-gone"), QStringLiteral("KORVELD - test"),
                                                 QByteArrayLiteral("%PDF-1.4\n%%EOF\n"));
    EXPECT_FALSE(outcome.accepted());
    EXPECT_EQ(outcome.jobId, 0);
    EXPECT_FALSE(outcome.failure.isEmpty());
    EXPECT_EQ(lastJobId(printServer().jobs()), lastBefore);
}

} // namespace
} // namespace korveld::testing
