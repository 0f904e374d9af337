#include "pdf_text.h"

#include <QProcess>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace korveld::testing {

QString runTool(const QString& tool, const QStringList& arguments) {
    QProcess process;
    process.start(tool, arguments);
    EXPECT_TRUE(process.waitForFinished(20000)) << tool.toStdString();
    EXPECT_EQ(process.exitCode(), 0) << tool.toStdString() << ": " << process.readAllStandardError().toStdString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

QStringList wordsByLine(const QStringList& lines) {
    QStringList out;
    for (const QString& line : lines) {
        const QString words = line.simplified();
        if (!words.isEmpty()) {
            out << words;
        }
    }
    return out;
}

QStringList pdfPageLines(const QString& path, int page) {
    const QString number = QString::number(page);
    return runTool(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), QStringLiteral("-f"), number,
                                                 QStringLiteral("-l"), number, path, QStringLiteral("-")})
        .remove(QLatin1Char('\f'))
        .split(QLatin1Char('\n'));
}

namespace {

QString pdfInfoField(const QString& path, const QString& field) {
    const QRegularExpression line(QStringLiteral("^%1:\\s+(.*)$").arg(field), QRegularExpression::MultilineOption);
    return line.match(runTool(QStringLiteral("pdfinfo"), {path})).captured(1);
}

} // namespace

int pdfPageCount(const QString& path) {
    return pdfInfoField(path, QStringLiteral("Pages")).toInt();
}

QString pdfTitle(const QString& path) {
    return pdfInfoField(path, QStringLiteral("Title"));
}

QStringList plainLines(const PrintDocument& document) {
    QStringList lines;
    for (const std::string& line : renderPlainText(document)) {
        lines << QString::fromStdString(line);
    }
    return lines;
}

} // namespace korveld::testing
