// The real program in one test: the Qt platform, the program and the adapter, with the shipped
// help file in a folder of the test's own that stands for the program's folder.
#pragma once

#include "app/form_window.h"
#include "app/qt_adapter.h"
#include "app/qt_platform.h"
#include "worksheets/frm_selection.h"
#include "worksheets/program.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace korveld::testing {

// Processes events until `done` holds or the time is up.
inline bool waitFor(const std::function<bool()>& done, int milliseconds = 3000) {
    for (int waited = 0; waited < milliseconds; waited += 10) {
        if (done()) {
            return true;
        }
        QTest::qWait(10);
    }
    return done();
}

class GuiTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Starts the program: the start screen is loaded and shown.
    void start();
    frmSelection& screen() { return m_program->selectionScreen(); }
    FormWindow& windowOf(const Form& form) { return *m_adapter->windowOf(form); }
    template <class W = QWidget>
    W* widget(const Form& form, const char* name) {
        return windowOf(form).findChild<W*>(QString::fromLatin1(name));
    }
    QString helpFolder() const { return m_folder.path(); }
    // Replaces the help file by `text`; an empty text removes it.
    void writeHelpFile(const QByteArray& text);

    QTemporaryDir m_folder;
    std::unique_ptr<QtPlatform> m_platform;
    std::unique_ptr<Program> m_program;
    std::unique_ptr<QtAdapter> m_adapter;
};

} // namespace korveld::testing
