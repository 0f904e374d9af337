// A real program on a display, driven step by step and photographed: the screenshot tool's common part.
#pragma once

#include "app/qt_adapter.h"
#include "app/qt_platform.h"
#include "worksheets/program.h"

#include <QImage>
#include <QString>
#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

namespace korveld {
class frmkorveld;
}

namespace korveld::screenshots {

class PhotoSession {
public:
    PhotoSession(QString outputFolder, const QString& programFolder);

    Program& program() { return m_program; }
    QtPlatform& platform() { return m_platform; }
    QtAdapter& adapter() { return m_adapter; }

    // Runs a step as the adapter runs a user's event, then lets the screen settle.
    void dispatch(const std::function<void()>& step) { m_adapter.dispatch(step); }
    // The whole screen through ImageMagick's import, as <name>.png.
    bool photographScreen(const QString& name);
    // One image written as <name>.png.
    bool save(const QImage& image, const QString& name);

    // Every step dispatched, then the screen photographed; false when a photograph failed.
    using Steps = std::vector<std::pair<QString, std::function<void()>>>;
    bool photographSteps(const Steps& steps);

private:
    QString m_output;
    QtPlatform m_platform;
    Program m_program;
    QtAdapter m_adapter;
};

// A system typed into the selection worksheet as a user would: refrigerant and series from the
// menus, 100 °F condensing, 90 °F liquid.
void EnterSystem(frmkorveld& sheet, const char* refrigerant, std::int16_t series, const char* evap,
                 const char* required);
// OK on the open results dialog, as it stands once the advice timer has fired.
void CloseResults(Program& program, frmkorveld& sheet);

// The scene sets, each returning false when a picture could not be taken.
bool HelpScenes(PhotoSession& session);
bool CapacityScenes(PhotoSession& session);
bool SelectionScenes(PhotoSession& session);
bool DocsScenes(PhotoSession& session);

} // namespace korveld::screenshots
