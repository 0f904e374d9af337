// What a PDF holds, read with poppler's tools: the text of a page, its words line by line, the
// number of pages and the title.
#pragma once

#include "worksheets/print_document.h"

#include <QString>
#include <QStringList>

namespace korveld::testing {

// Runs a tool and returns its output; a tool that fails is a test failure.
QString runTool(const QString& tool, const QStringList& arguments);

// The lines of a page with their blanks made single, empty lines left out: a proportional font
// places the columns by width, so only the words and their order can be compared.
QStringList wordsByLine(const QStringList& lines);

QStringList pdfPageLines(const QString& path, int page);
int pdfPageCount(const QString& path);
QString pdfTitle(const QString& path);

// The document's lines as the character printer would print them.
QStringList plainLines(const PrintDocument& document);

} // namespace korveld::testing
