// Photographs the program on a display, one scene set per run: scripts/screenshots.sh runs it
// under Xvfb.
//   korveld_screenshots help|capacity|selection|docs OUTPUT_FOLDER PROGRAM_FOLDER
#include "photo_session.h"

#include <QApplication>
#include <cstdio>
#include <string_view>

int main(int argc, char* argv[]) {
    using namespace korveld::screenshots;
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("KORVELD"));
    struct SceneSet {
        std::string_view name;
        bool (*run)(PhotoSession&);
    };
    constexpr SceneSet kSceneSets[] = {
        {"help", HelpScenes}, {"capacity", CapacityScenes}, {"selection", SelectionScenes}, {"docs", DocsScenes}};
    if (argc == 4) {
        for (const SceneSet& set : kSceneSets) {
            if (set.name == argv[1]) {
                PhotoSession session(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
                session.dispatch([&] { session.program().start(); });
                return set.run(session) ? 0 : 1;
            }
        }
    }
    std::fprintf(stderr, "usage: korveld_screenshots help|capacity|selection|docs OUTPUT_FOLDER PROGRAM_FOLDER\n");
    return 2;
}
