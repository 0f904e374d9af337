// The help views: a topic, a pop-up, the contents, the search and the missing-file message.
#include "app/help_viewer.h"
#include "photo_session.h"
#include "worksheets/frm_selection.h"

#include <QCursor>
#include <QLineEdit>
#include <QTest>

namespace korveld::screenshots {

bool HelpScenes(PhotoSession& session) {
    frmSelection& screen = session.program().selectionScreen();
    HelpViewer& viewer = session.platform().helpViewer();
    return session.photographSteps({
        {QStringLiteral("start_screen"), [] {}},
        {QStringLiteral("help_topic"), [&] { screen.mnuValveCapacity.userPick(); }},
        {QStringLiteral("help_popup"),
         [&] {
             QCursor::setPos(300, 300);
             screen.help().HelpContextPopup(HelpId::DistributorPopup);
         }},
        {QStringLiteral("help_contents"),
         [&] {
             if (viewer.popup() != nullptr) {
                 viewer.popup()->close();
             }
             screen.mnuContents.userPick();
         }},
        {QStringLiteral("help_search"),
         [&] {
             screen.help().HelpSearch();
             if (viewer.window() != nullptr && viewer.window()->searchDialog() != nullptr) {
                 QTest::keyClicks(viewer.window()->searchDialog()->findChild<QLineEdit*>(), QStringLiteral("charge"));
             }
         }},
        {QStringLiteral("help_missing_file"),
         [&] {
             if (viewer.window() != nullptr && viewer.window()->searchDialog() != nullptr) {
                 viewer.window()->searchDialog()->close();
             }
             session.program().uv().HelpFile = "/nonexistent/PALDEN.HLP";
             screen.help().HelpContext(HelpId::Introduction);
         }},
    });
}

} // namespace korveld::screenshots
