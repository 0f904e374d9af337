#include "gui_fixture.h"
#include "probe_form.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

namespace korveld::testing {
namespace {

class ProbeTest : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        m_program->registerForm<ProbeForm>();
        start();
        m_adapter->dispatch([this] { m_program->load(FormId::frmtxvCapacity)->Show(); });
        probe = static_cast<ProbeForm*>(m_program->loaded(FormId::frmtxvCapacity));
        ASSERT_TRUE(waitFor([this] { return windowOf(*probe).isVisible(); }));
    }

    ProbeForm* probe = nullptr;
};

TEST_F(ProbeTest, ControlsInsideAFrameSitRelativeToTheFrame) {
    auto* option = widget(*probe, "optRefused");
    EXPECT_EQ(option->parentWidget(), widget(*probe, "fmeChoice"));
    EXPECT_EQ(option->geometry(), QRect(8, 40, 120, 17));
    EXPECT_EQ(widget(*probe, "fmeChoice")->geometry(), QRect(8, 8, 160, 80));
}

TEST_F(ProbeTest, RefusedOptionClickShowsTheModelsChoice) {
    auto* first = widget<QRadioButton>(*probe, "optFirst");
    auto* refused = widget<QRadioButton>(*probe, "optRefused");
    QTest::mouseClick(refused, Qt::LeftButton, {}, QPoint(6, 8));
    EXPECT_EQ(probe->log, (std::vector<std::string>{"optRefused_Click", "optFirst_Click"}));
    EXPECT_TRUE(first->isChecked());
    EXPECT_FALSE(refused->isChecked());
    // Clicking the chosen option: Qt would clear it, the model keeps it chosen.
    QTest::mouseClick(first, Qt::LeftButton, {}, QPoint(6, 8));
    EXPECT_TRUE(first->isChecked());
    EXPECT_EQ(probe->log.size(), 2u);
}

TEST_F(ProbeTest, TypingRunsChangeAndTheBoxShowsWhatTheHandlerMadeOfIt) {
    auto* box = widget<QLineEdit>(*probe, "txtUpper");
    box->setFocus();
    QTest::keyClicks(box, "ab");
    EXPECT_EQ(box->text(), QStringLiteral("AB"));
    EXPECT_EQ(probe->txtUpper.text(), "AB");
    // The handler's own change of the text runs Change again, inside the first.
    EXPECT_EQ(probe->log, (std::vector<std::string>{"txtUpper_Change A", "txtUpper_Change A", "txtUpper_Change AB",
                                                    "txtUpper_Change AB"}));
    // Typing in the middle keeps the cursor where the user is typing.
    box->setCursorPosition(1);
    QTest::keyClicks(box, "x");
    EXPECT_EQ(box->text(), QStringLiteral("AXB"));
    EXPECT_EQ(box->cursorPosition(), 2);
}

TEST_F(ProbeTest, MultiLineBoxTakesTypingAndCodeWithoutFeedback) {
    auto* notes = widget<QPlainTextEdit>(*probe, "txtNotes");
    EXPECT_EQ(notes->toPlainText(), QStringLiteral("one\ntwo"));
    notes->setFocus();
    notes->moveCursor(QTextCursor::End);
    QTest::keyClicks(notes, "!");
    EXPECT_EQ(probe->txtNotes.text(), "one\ntwo!");
    m_adapter->dispatch([this] { probe->txtNotes.setText("set in code"); });
    EXPECT_EQ(notes->toPlainText(), QStringLiteral("set in code"));
    EXPECT_EQ(probe->txtNotes.text(), "set in code");
}

TEST_F(ProbeTest, CheckBoxClickRunsItsHandler) {
    auto* check = widget<QCheckBox>(*probe, "chkMark");
    QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(6, 8));
    EXPECT_EQ(probe->chkMark.value(), 1);
    EXPECT_EQ(check->checkState(), Qt::Checked);
    EXPECT_EQ(probe->log, std::vector<std::string>{"chkMark_Click 1"});
}

TEST_F(ProbeTest, HandlerChangesAreRenderedEverywhere) {
    QTest::mouseClick(widget<QPushButton>(*probe, "cmdHide"), Qt::LeftButton);
    EXPECT_TRUE(widget(*probe, "fmeChoice")->isHidden());
    EXPECT_FALSE(widget(*probe, "chkMark")->isEnabled());
    auto* label = widget<QLabel>(*probe, "lblFit");
    EXPECT_EQ(label->text(), QStringLiteral("a much longer caption"));
    // A self-sizing label follows its caption.
    EXPECT_GE(label->width(), label->fontMetrics().horizontalAdvance(label->text()));
    // The timer the handler enabled fires through the model, which turns it off again.
    EXPECT_TRUE(waitFor([this] { return !probe->log.empty(); }));
    EXPECT_EQ(probe->log, std::vector<std::string>{"Timer1_Timer"});
    QTest::qWait(60);
    EXPECT_EQ(probe->log.size(), 1u);
}

TEST_F(ProbeTest, DoubleClicksAndLabelClicksReachTheirHandlers) {
    QTest::mouseDClick(widget(*probe, "txtUpper"), Qt::LeftButton);
    QTest::mouseDClick(widget(*probe, "fmeChoice"), Qt::LeftButton, {}, QPoint(150, 70));
    QTest::mouseDClick(windowOf(*probe).clientArea(), Qt::LeftButton, {}, QPoint(380, 250));
    QTest::mouseClick(widget(*probe, "lblFit"), Qt::LeftButton);
    const std::vector<std::string> expected{"txtUpper_DblClick", "fmeChoice_DblClick", "Form_DblClick", "lblFit_Click"};
    EXPECT_EQ(probe->log, expected);
}

TEST_F(ProbeTest, MenuPickAndSubmenuOpeningReachTheirHandlers) {
    QAction* mark = windowOf(*probe).actionOf(probe->mnuMark);
    QAction* never = windowOf(*probe).actionOf(probe->mnuNever);
    mark->trigger();
    EXPECT_TRUE(probe->mnuMark.checked());
    EXPECT_TRUE(mark->isChecked());
    never->trigger();
    EXPECT_FALSE(never->isChecked());
    EXPECT_EQ(probe->log, std::vector<std::string>{"mnuNever_Click"});
    QMenu* file = windowOf(*probe).actionOf(probe->mnuFile)->menu();
    emit file->aboutToShow();
    EXPECT_EQ(probe->log.back(), "mnuFile_Click");
    m_adapter->dispatch([this] {
        probe->mnuNever.setEnabled(false);
        probe->mnuMark.setVisible(false);
    });
    EXPECT_FALSE(never->isEnabled());
    EXPECT_FALSE(mark->isVisible());
}

struct MessageCase {
    const char* name;
    std::int16_t style;
    const char* title;
    QMessageBox::Icon icon;
    const char* shownTitle;
};

class MessageBoxes : public ProbeTest, public ::testing::WithParamInterface<MessageCase> {};

TEST_P(MessageBoxes, BecomeModalQMessageBoxesWithTheirIconAndTitle) {
    probe->warnStyle = GetParam().style;
    probe->warnTitle = GetParam().title;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString title;
    QString text;
    bool modal = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) {
            return;
        }
        poll.stop();
        icon = box->icon();
        title = box->windowTitle();
        text = box->text();
        modal = box->isModal();
        box->button(QMessageBox::Ok)->click();
    });
    poll.start(10);
    QTest::mouseClick(widget<QPushButton>(*probe, "cmdWarn"), Qt::LeftButton);
    EXPECT_EQ(icon, GetParam().icon);
    EXPECT_EQ(title, QString::fromLatin1(GetParam().shownTitle));
    EXPECT_EQ(text, QStringLiteral("Something to say."));
    EXPECT_TRUE(modal);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Adapter, MessageBoxes, ::testing::Values(
    MessageCase{"ExclamationStyle48", 48, "EVAPORATOR TEMPERATURE ERROR", QMessageBox::Warning,     "EVAPORATOR TEMPERATURE ERROR"},
    MessageCase{"PlainStyle0",        0,  "Printer",                      QMessageBox::NoIcon,      "Printer"},
    MessageCase{"NoTitleGivesProgram", 0, "",                             QMessageBox::NoIcon,      "KORVELD"},
    MessageCase{"Information64",      64, "Note",                         QMessageBox::Information, "Note"}
), [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST_F(ProbeTest, FocusRequestReachesTheWidgetAfterRendering) {
    m_adapter->dispatch([this] { probe->txtUpper.SetFocus(); });
    EXPECT_TRUE(waitFor([this] { return widget(*probe, "txtUpper")->hasFocus(); }));
    // A hidden control cannot take the focus; the request is dropped without harm.
    m_adapter->dispatch([this] {
        probe->fmeChoice.setVisible(false);
        probe->optFirst.SetFocus();
    });
    EXPECT_FALSE(widget(*probe, "optFirst")->hasFocus());
}

TEST_F(ProbeTest, UnloadedWindowDisappearsSafelyFromItsOwnHandler) {
    probe->cmdWarn.onClick = [this] { probe->Unload(); };
    QPointer<FormWindow> window = &windowOf(*probe);
    QTest::mouseClick(widget<QPushButton>(*probe, "cmdWarn"), Qt::LeftButton);
    EXPECT_EQ(m_program->loaded(FormId::frmtxvCapacity), nullptr);
    EXPECT_TRUE(waitFor([&] { return window.isNull(); }));
}

TEST_F(ProbeTest, CloseButtonOfAWindowGoesToItsModel) {
    windowOf(*probe).close();
    EXPECT_EQ(m_program->loaded(FormId::frmtxvCapacity), nullptr);
    EXPECT_FALSE(m_platform->ended());
}

TEST_F(ProbeTest, DisabledWindowIsDisabledOnScreen) {
    m_adapter->dispatch([this] { probe->setEnabled(false); });
    EXPECT_FALSE(windowOf(*probe).isEnabled());
    m_adapter->dispatch([this] {
        probe->setEnabled(true);
        probe->setWidth(7000);
    });
    EXPECT_TRUE(windowOf(*probe).isEnabled());
    EXPECT_EQ(windowOf(*probe).clientArea()->width(), 459); // 6880 twips
}

} // namespace
} // namespace korveld::testing
