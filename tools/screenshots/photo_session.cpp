#include "photo_session.h"

#include "worksheets/frm_korveld.h"
#include "worksheets/frm_results.h"

#include <QDir>
#include <QProcess>
#include <QTest>
#include <cstdio>

namespace korveld::screenshots {
namespace {

// The program finds its help file from its folder as it starts, so the folder is set first.
QtPlatform& inFolder(QtPlatform& platform, const QString& programFolder) {
    platform.setApplicationFolder(programFolder);
    return platform;
}

} // namespace

PhotoSession::PhotoSession(QString outputFolder, const QString& programFolder)
    : m_output(std::move(outputFolder)), m_program(inFolder(m_platform, programFolder)),
      m_adapter(m_program, m_platform) {}

bool PhotoSession::photographScreen(const QString& name) {
    QTest::qWait(700); // the window manager of the virtual display draws frames late
    const QString path = QDir(m_output).filePath(name + QStringLiteral(".png"));
    const int status =
        QProcess::execute(QStringLiteral("import"), {QStringLiteral("-window"), QStringLiteral("root"), path});
    std::printf("%s %s\n", status == 0 ? "wrote" : "FAILED", qPrintable(path));
    return status == 0;
}

bool PhotoSession::save(const QImage& image, const QString& name) {
    const QString path = QDir(m_output).filePath(name + QStringLiteral(".png"));
    const bool written = image.save(path);
    std::printf("%s %s (%dx%d)\n", written ? "wrote" : "FAILED", qPrintable(path), image.width(), image.height());
    return written;
}

bool PhotoSession::photographSteps(const Steps& steps) {
    bool ok = true;
    for (const auto& [name, step] : steps) {
        dispatch(step);
        ok = photographScreen(name) && ok;
    }
    return ok;
}

void EnterSystem(frmkorveld& sheet, const char* refrigerant, std::int16_t series, const char* evap,
                 const char* required) {
    sheet.refrigerantMenu(refrigerant)->userPick();
    sheet.seriesMenu(series)->userPick();
    sheet.txtEvapTemp.userType(evap);
    sheet.txtCondTemp.userType("100");
    sheet.txtLiqTemp.userType("90");
    sheet.txtInputCap.userType(required);
}

void CloseResults(Program& program, frmkorveld& sheet) {
    if (auto* results = program.loaded<frmResults>()) {
        sheet.Timer1.setEnabled(false);
        results->cmdOK.setEnabled(true);
        results->cmdOK.userClick();
    }
}

} // namespace korveld::screenshots
