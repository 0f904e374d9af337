// Prints a document on the system's default printer with the printer's default font, columns
// measured in the font's average character width.
#pragma once

#include "worksheets/print_document.h"

#include <QString>
#include <functional>

class QPagedPaintDevice;
class QPaintDevice;
class QPainter;

namespace korveld {

// Sends the document to the default printer's queue as a job named `jobName`. False when there is
// no default printer or its queue does not accept the job (the reason goes to the warning log).
bool printOnDefaultPrinter(const PrintDocument& document, const QString& jobName);

// Draws the document on a painter that is already active; `newPage` is called when a page is full
// and returns false to stop. Returns the number of text lines drawn.
int paintDocument(const PrintDocument& document, QPainter& painter, QPaintDevice& device, int pageHeight,
                  const std::function<bool()>& newPage);

// Draws the document on a printer or PDF writer whose painter is active, over as many pages as it
// needs.
int paintOnPages(const PrintDocument& document, QPainter& painter, QPagedPaintDevice& device);

} // namespace korveld
