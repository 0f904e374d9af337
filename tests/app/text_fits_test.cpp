// Every caption whole and every control inside its window: each window is walked through every
// layout it takes (units, distributors, loading, series and charge captions, bleed captions, the
// results dialog's four layouts), and on the real widgets, with the fonts the program really gets,
// each label's, button's, option's, check box's and frame's caption must fit its control, and no
// visible control may be cut by its window's edge. Run at 100 % and, by ctest, at 200 %.
#include "app/classic_frame.h"
#include "engine/series_numbers.h"
#include "worksheet_gui.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyleOptionButton>
#include <QTimer>
#include <set>

namespace korveld::testing {
namespace {

using namespace korveld::series;

QString withoutMnemonic(QString caption) {
    return caption.remove(QRegularExpression(QStringLiteral("&(?!&)")));
}

// The room a button kind's style leaves for the caption.
QRect captionRoom(QAbstractButton& button) {
    QStyleOptionButton option;
    option.initFrom(&button);
    option.text = button.text();
    QStyle::SubElement element = QStyle::SE_PushButtonContents;
    if (qobject_cast<QRadioButton*>(&button) != nullptr) {
        element = QStyle::SE_RadioButtonContents;
    } else if (qobject_cast<QCheckBox*>(&button) != nullptr) {
        element = QStyle::SE_CheckBoxContents;
    }
    return button.style()->subElementRect(element, &option, &button);
}

// What is wrong with one widget's caption, or nothing.
std::optional<std::string> captionProblem(QWidget& widget) {
    const QFontMetrics metrics = widget.fontMetrics();
    QString caption;
    QRect room;
    bool wraps = false;
    if (auto* label = qobject_cast<QLabel*>(&widget)) {
        caption = label->text();
        room = label->contentsRect();
        wraps = label->wordWrap();
    } else if (auto* button = qobject_cast<QAbstractButton*>(&widget)) {
        caption = withoutMnemonic(button->text());
        room = captionRoom(*button);
    } else if (auto* frame = dynamic_cast<ClassicFrame*>(&widget)) {
        caption = frame->title();
        // The caption sits on the border between two small gaps, inside the frame's outline.
        room = frame->rect().adjusted(metrics.horizontalAdvance(QLatin1Char(' ')), 0, -2, 0);
        room.setHeight(metrics.height());
    } else {
        return std::nullopt;
    }
    if (caption.trimmed().isEmpty()) {
        return std::nullopt;
    }
    const QRect needed = wraps ? metrics.boundingRect(QRect(0, 0, room.width(), 10000), Qt::TextWordWrap, caption)
                               : QRect(0, 0, metrics.horizontalAdvance(caption), metrics.height());
    if (needed.width() <= room.width() && needed.height() <= room.height()) {
        return std::nullopt;
    }
    return QStringLiteral("\"%1\" needs %2x%3 px, has %4x%5")
        .arg(caption)
        .arg(needed.width())
        .arg(needed.height())
        .arg(room.width())
        .arg(room.height())
        .toStdString();
}

class TextFits : public WorksheetGui {
public:
    void SetUp() override {
        WorksheetGui::SetUp();
        // Refusals and advice come as message boxes: answered at once, the walk goes on.
        m_answer.setInterval(5);
        QObject::connect(&m_answer, &QTimer::timeout, [] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                box->done(QMessageBox::Ok);
            }
        });
        m_answer.start();
    }
    void TearDown() override {
        m_answer.stop();
        WorksheetGui::TearDown();
    }

    // Checks every window on screen as it stands now; `layout` names the state in the failures.
    void checkWindows(const std::string& layout) {
        m_adapter->renderAll();
        for (QWidget* top : QApplication::topLevelWidgets()) {
            auto* window = dynamic_cast<FormWindow*>(top);
            if (window == nullptr || !window->isVisible()) {
                continue;
            }
            ++m_windowsChecked;
            const QRect client = window->clientArea()->rect();
            for (QWidget* widget : window->clientArea()->findChildren<QWidget*>()) {
                if (window->controlOf(widget) == nullptr || !widget->isVisible()) {
                    continue;
                }
                const std::string where =
                    layout + ": " + window->objectName().toStdString() + "." + widget->objectName().toStdString();
                if (const auto problem = captionProblem(*widget)) {
                    m_problems.insert(where + " caption " + *problem);
                }
                const QRect onClient(widget->mapTo(window->clientArea(), QPoint(0, 0)), widget->size());
                if (onClient.intersects(client) && !client.contains(onClient)) {
                    m_problems.insert(where + " cut by the window's edge");
                }
            }
        }
    }
    void expectNoProblems() {
        EXPECT_GT(m_windowsChecked, 0);
        for (const std::string& problem : m_problems) {
            ADD_FAILURE() << problem;
        }
    }

    int m_windowsChecked = 0;
    std::set<std::string> m_problems;
    QTimer m_answer;
};

// ---- The start screen and the capacity worksheet ----

TEST_F(TextFits, StartScreen) {
    start();
    checkWindows("start screen");
    expectNoProblems();
}

struct Unit {
    const char* name;
    MenuEntry& (*capacityMenu)(frmtxvCapacity&);
    MenuEntry& (*selectionMenu)(frmkorveld&);
    const char* evap; // a temperature inside the unit's range
};

// clang-format off
const Unit kUnits[] = {
    {"BtuH", [](frmtxvCapacity& f) -> MenuEntry& { return f.mnuBtuHr; },     [](frmkorveld& f) -> MenuEntry& { return f.mnuBtu; },     "40"},
    {"Tons", [](frmtxvCapacity& f) -> MenuEntry& { return f.mnuTons; },      [](frmkorveld& f) -> MenuEntry& { return f.mnuTons; },    "40"},
    {"KW",   [](frmtxvCapacity& f) -> MenuEntry& { return f.mnuKiloWatts; }, [](frmkorveld& f) -> MenuEntry& { return f.mnuKWatts; },  "4"},
    {"Kcal", [](frmtxvCapacity& f) -> MenuEntry& { return f.mnuKiloCal; },   [](frmkorveld& f) -> MenuEntry& { return f.mnuKiloCal; }, "4"},
};
// clang-format on

class TextFitsInUnits : public TextFits, public ::testing::WithParamInterface<Unit> {};

TEST_P(TextFitsInUnits, CapacityWorksheetWithEachDistributorAndLoading) {
    const Unit& unit = GetParam();
    frmtxvCapacity& sheet = openCapacity();
    act([&] { unit.capacityMenu(sheet).userPick(); });
    const bool metric = std::string_view(unit.evap) == "4";
    for (OptionButton* distributor :
         {&sheet.optDistNone, &sheet.optDistOrifice, &sheet.optDistVenturi, &sheet.optUserDefined}) {
        for (const bool loading : {false, true}) {
            const std::string layout =
                std::string(unit.name) + " " + distributor->fullName() + (loading ? " loading" : " no loading");
            act([&] {
                distributor->userClick();
                if (distributor == &sheet.optUserDefined) {
                    sheet.txtPressureDrop.userType("2");
                }
                (loading ? sheet.optYES : sheet.optDone).userClick();
                if (loading) {
                    sheet.txtSystemCapacity.userType("12000");
                }
                sheet.refrigerantMenu("R-22")->userPick();
                sheet.seriesMenu(series::QZ)->userPick();
                sheet.txtEvapTemp.userType(unit.evap);
                sheet.txtCondTemp.userType(metric ? "38" : "100");
                sheet.txtLiqTemp.userType(metric ? "32" : "90");
            });
            checkWindows(layout + " typed");
            act([&] { sheet.cmdCalculate.userClick(); });
            ASSERT_TRUE(sheet.cmdPrint.visible()) << layout;
            checkWindows(layout + " rated");
            act([&] { sheet.txtEvapTemp.userType(metric ? "5" : "41"); });
            checkWindows(layout + " cleared");
        }
    }
    expectNoProblems();
}

// ---- The selection worksheet and its dialogs ----

// Every series with a refrigerant of each charge family, each distributor, and both bleed captions.
TEST_P(TextFitsInUnits, SelectionWorksheetWithEverySeriesAndDistributor) {
    const Unit& unit = GetParam();
    frmkorveld& sheet = openSelection();
    act([&] { unit.selectionMenu(sheet).userPick(); });
    const std::int16_t allSeries[] = {NYF, KO, KOD, KOT, KIM, OBN, QZ, DQQ, GL, VA, VULK, VMP, VRK, VRD, VOS, VAN, VEB};
    for (const char* refrigerant : {"R-12", "R-22", "R-404A"}) {
        for (const std::int16_t series : allSeries) {
            MenuEntry* entry = sheet.seriesMenu(series);
            ASSERT_NE(entry, nullptr);
            act([&] {
                sheet.refrigerantMenu(refrigerant)->userPick();
                entry->userPick();
                sheet.txtEvapTemp.userType(unit.evap);
            });
            checkWindows(std::string(unit.name) + " " + refrigerant + " " + entry->fullName());
        }
    }
    act([&] {
        sheet.refrigerantMenu("R-22")->userPick();
        sheet.seriesMenu(KO)->userPick();
    });
    for (OptionButton* distributor :
         {&sheet.optDistNone, &sheet.optDistOrifice, &sheet.optDistVenturi, &sheet.optUserDefined}) {
        act([&] { distributor->userClick(); });
        checkWindows(std::string(unit.name) + " " + distributor->fullName());
    }
    act([&] { sheet.optYES.userClick(); });
    checkWindows(std::string(unit.name) + " bleed dialog");
    act([&] {
        bleedDialog()->opt25.userClick();
        bleedDialog()->cmdExit.userClick();
    });
    ASSERT_EQ(sheet.optYES.caption(), "New Bleed");
    checkWindows(std::string(unit.name) + " bleed accepted");
    expectNoProblems();
}

INSTANTIATE_TEST_SUITE_P(TextFits, TextFitsInUnits, ::testing::ValuesIn(kUnits),
                         [](const auto& info) { return std::string(info.param.name); });

struct ResultsLayout {
    const char* name;
    TypedSystem system;
    bool advice;
    bool assemblies;
};

class TextFitsInResults : public TextFits, public ::testing::WithParamInterface<ResultsLayout> {};

TEST_P(TextFitsInResults, ResultsDialog) {
    const ResultsLayout& row = GetParam();
    frmResults* dialog = selectShowing(row.system);
    ASSERT_NE(dialog, nullptr);
    ASSERT_EQ(dialog->txtMessage.visible(), row.advice);
    ASSERT_EQ(dialog->txtPowAssby.visible(), row.assemblies);
    checkWindows(row.name);
    expectNoProblems();
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(TextFits, TextFitsInResults, ::testing::Values(
    ResultsLayout{"KOWithoutAdvice",  {"R-22", KO, "40", "14840"},   false, false},
    ResultsLayout{"KOWithAdvice",     {"R-134a", KO, "40", "12000"}, true,  false},
    ResultsLayout{"VMPWithoutAdvice", {"R-22", VMP, "40", "48000"},  false, true},
    ResultsLayout{"VMPWithAdvice",    {"R-134a", VMP, "40", "24000"}, true, true}
), [](const auto& info) { return std::string(info.param.name); });
// clang-format on

} // namespace
} // namespace korveld::testing
