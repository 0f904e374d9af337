#include "gui_fixture.h"

#include <QFile>

namespace korveld::testing {

void GuiTest::SetUp() {
    ASSERT_TRUE(m_folder.isValid());
    ASSERT_TRUE(QFile::copy(QStringLiteral(KORVELD_HELP_SOURCE), m_folder.filePath(QStringLiteral("PALDEN.HLP"))));
    m_platform = std::make_unique<QtPlatform>();
    m_platform->setApplicationFolder(m_folder.path());
    m_program = std::make_unique<Program>(*m_platform);
    m_adapter = std::make_unique<QtAdapter>(*m_program, *m_platform);
}

void GuiTest::TearDown() {
    m_adapter.reset();
    m_program.reset();
    m_platform.reset();
    QApplication::processEvents();
    // Windows unloaded during the test go now, not inside the next test's event loops.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void GuiTest::start() {
    m_adapter->dispatch([this] { m_program->start(); });
    ASSERT_TRUE(waitFor([this] { return windowOf(screen()).isVisible(); }));
}

void GuiTest::writeHelpFile(const QByteArray& text) {
    QFile file(m_folder.filePath(QStringLiteral("PALDEN.HLP")));
    file.remove();
    if (!text.isEmpty()) {
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }
}

} // namespace korveld::testing
