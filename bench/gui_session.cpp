#include "bench/gui_session.h"

#include "app/form_window.h"
#include "app/qt_adapter.h"
#include "app/qt_platform.h"
#include "engine/series_numbers.h"
#include "worksheets/frm_korveld.h"
#include "worksheets/frm_results.h"
#include "worksheets/frm_selection.h"
#include "worksheets/frm_txv_capacity.h"
#include "worksheets/program.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <sys/resource.h>

namespace korveld::bench {

namespace {

using namespace std::chrono_literals;
constexpr auto kPaintLimit = 5s;

// The worked example's second size: what the capacity rows and the selection must show.
constexpr const char* kKo112Capacity = "14,840.07";
constexpr const char* kKo112Selected = "KOE - 1-1/2 - HC ";

class Session {
public:
    explicit Session(PaintClock& application) : m_application(application) {}

    void run(PaintClock::Clock::time_point started, int calculations, SessionFigures& figures) {
        figures.startup = startProgram(started);
        if (figures.startup.count() == 0) {
            return fail(figures, "the start screen was never painted");
        }
        frmtxvCapacity& sheet = openCapacityWorksheet();
        for (int i = 0; i < calculations; ++i) {
            const std::chrono::nanoseconds took = calculate(sheet);
            if (took.count() == 0 || lineEdit(sheet, "txtValCap(4)")->text() != QLatin1String(kKo112Capacity)) {
                return fail(figures, "Calculate did not paint the KO rows");
            }
            figures.calculate.push_back(took);
        }
        if (!selectKo(figures)) {
            return;
        }
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        figures.peakResidentKiB = usage.ru_maxrss;
    }

private:
    FormWindow& windowOf(const Form& form) const { return *m_adapter.windowOf(form); }
    template <class W>
    W* widget(const Form& form, const char* name) const {
        return windowOf(form).findChild<W*>(QString::fromLatin1(name));
    }
    QLineEdit* lineEdit(const Form& form, const char* name) const { return widget<QLineEdit>(form, name); }
    void click(const Form& form, const char* button) const {
        QTest::mouseClick(widget<QPushButton>(form, button), Qt::LeftButton);
    }
    void type(const Form& form, const char* box, const char* text) const {
        QTest::keyClicks(lineEdit(form, box), QString::fromLatin1(text));
    }
    void pick(const Form& form, MenuEntry& title, MenuEntry& entry) const {
        emit windowOf(form).actionOf(title)->menu()->aboutToShow();
        windowOf(form).actionOf(entry)->trigger();
    }
    static void fail(SessionFigures& figures, const char* what) { figures.failure = what; }

    std::chrono::nanoseconds startProgram(PaintClock::Clock::time_point started) {
        m_adapter.dispatch([this] { m_program.start(); });
        m_application.watch(&windowOf(m_program.selectionScreen()));
        const auto painted = m_application.waitUntilPainted(kPaintLimit);
        return painted ? *painted - started : std::chrono::nanoseconds{};
    }

    frmtxvCapacity& openCapacityWorksheet() {
        click(m_program.selectionScreen(), "cmdValveCap");
        auto& sheet = m_program.form<frmtxvCapacity>();
        m_application.watch(&windowOf(sheet));
        m_application.waitUntilPainted(kPaintLimit);
        pick(sheet, sheet.mnuRefrig, *sheet.refrigerantMenu("R-22"));
        pick(sheet, *sheet.pickMenus().mnuKSer, *sheet.seriesMenu(series::KO));
        type(sheet, "txtEvapTemp", "40");
        type(sheet, "txtCondTemp", "100");
        type(sheet, "txtLiqTemp", "90");
        return sheet;
    }

    // Retyping the liquid temperature's last digit makes the rows stale, so every click calculates
    // and shows the rows afresh, with the window widened again.
    std::chrono::nanoseconds calculate(frmtxvCapacity& sheet) {
        QLineEdit* liquid = lineEdit(sheet, "txtLiqTemp");
        QTest::keyClick(liquid, Qt::Key_Backspace);
        QTest::keyClicks(liquid, QStringLiteral("0"));
        m_application.watch(&windowOf(sheet));
        m_application.waitUntilPainted(kPaintLimit);

        m_application.watch(&windowOf(sheet));
        const PaintClock::Clock::time_point clicked = PaintClock::Clock::now();
        click(sheet, "cmdCalculate");
        const auto painted = m_application.waitUntilPainted(kPaintLimit);
        return painted ? *painted - clicked : std::chrono::nanoseconds{};
    }

    bool selectKo(SessionFigures& figures) {
        click(m_program.selectionScreen(), "cmdValveSelect");
        auto* sheet = m_program.loaded<frmkorveld>();
        if (sheet == nullptr) {
            fail(figures, "the selection worksheet did not open");
            return false;
        }
        m_application.watch(&windowOf(*sheet));
        m_application.waitUntilPainted(kPaintLimit);
        windowOf(*sheet).actionOf(*sheet->refrigerantMenu("R-22"))->trigger();
        windowOf(*sheet).actionOf(*sheet->seriesMenu(series::KO))->trigger();
        type(*sheet, "txtEvapTemp", "40");
        type(*sheet, "txtCondTemp", "100");
        type(*sheet, "txtLiqTemp", "90");
        type(*sheet, "txtInputCap", "14840");
        click(*sheet, "cmdSelect");
        auto* results = m_program.loaded<frmResults>();
        if (results == nullptr) {
            fail(figures, "Select did not open the results dialog");
            return false;
        }
        m_application.watch(&windowOf(*results));
        m_application.waitUntilPainted(kPaintLimit);
        if (lineEdit(*results, "txtValSelected")->text() != QLatin1String(kKo112Selected)) {
            fail(figures, "the results dialog did not show the KO 1-1/2");
            return false;
        }
        click(*results, "cmdOK");
        return true;
    }

    PaintClock& m_application;
    QtPlatform m_platform;
    Program m_program{m_platform};
    QtAdapter m_adapter{m_program, m_platform};
};

} // namespace

SessionFigures RunSession(PaintClock& application, PaintClock::Clock::time_point started, int calculations) {
    SessionFigures figures;
    Session(application).run(started, calculations, figures);
    return figures;
}

} // namespace korveld::bench
