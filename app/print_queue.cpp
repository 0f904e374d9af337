#include "app/print_queue.h"

#include <cstdlib>
#include <cups/cups.h>
#include <memory>

namespace korveld {

namespace {

struct DestinationDeleter {
    void operator()(cups_dest_t* destination) const { cupsFreeDests(1, destination); }
};
struct DestinationInfoDeleter {
    void operator()(cups_dinfo_t* info) const { cupsFreeDestInfo(info); }
};

bool succeeded(ipp_status_t status) {
    return status <= IPP_STATUS_OK_EVENTS_COMPLETE;
}

// The spooler's last word on why a step failed, or `otherwise` where it gave none.
PrintJobOutcome refused(const QString& otherwise) {
    if (succeeded(cupsLastError())) {
        return {0, otherwise};
    }
    return {0, QString::fromUtf8(cupsLastErrorString())};
}

} // namespace

// The job is accepted once the queue has created it (Create-Job answered with a job number) and
// has acknowledged the end of its one document (the Send-Document that carries the last data
// answered successful-ok): from then on the page is the spooler's to print, and what becomes of it
// shows in the queue. Anything short of that is a refusal: a queue that no longer exists, a spooler
// that does not answer, a queue that rejects jobs, a user who may not print there, a document the
// spooler would not take. A stopped printer would take the job but hold it until someone starts
// the printer again, so the page is not on its way either; it is refused before a job is made.
// A job created but not completed is cancelled, so that no empty job is left in the queue.
PrintJobOutcome submitPdfJob(const QString& queue, const QString& jobName, const QByteArray& pdf) {
    const qsizetype slash = queue.indexOf(QLatin1Char('/'));
    const QByteArray name = queue.left(slash).toUtf8();
    const QByteArray instance = slash < 0 ? QByteArray() : queue.mid(slash + 1).toUtf8();
    const QByteArray title = jobName.toUtf8();

    const std::unique_ptr<cups_dest_t, DestinationDeleter> destination(
        cupsGetNamedDest(CUPS_HTTP_DEFAULT, name.constData(), instance.isEmpty() ? nullptr : instance.constData()));
    if (!destination) {
        return refused(QStringLiteral("there is no print queue %1").arg(queue));
    }
    const char* state = cupsGetOption("printer-state", destination->num_options, destination->options);
    if (state != nullptr && std::atoi(state) == IPP_PSTATE_STOPPED) {
        return {0, QStringLiteral("the printer %1 is stopped").arg(queue)};
    }
    const std::unique_ptr<cups_dinfo_t, DestinationInfoDeleter> info(
        cupsCopyDestInfo(CUPS_HTTP_DEFAULT, destination.get()));
    if (!info) {
        return refused(QStringLiteral("the print queue %1 did not describe itself").arg(queue));
    }

    int jobId = 0;
    if (!succeeded(cupsCreateDestJob(CUPS_HTTP_DEFAULT, destination.get(), info.get(), &jobId, title.constData(), 0,
                                     nullptr)) ||
        jobId <= 0) {
        return refused(QStringLiteral("the print queue %1 made no job").arg(queue));
    }
    const bool sent = cupsStartDestDocument(CUPS_HTTP_DEFAULT, destination.get(), info.get(), jobId, title.constData(),
                                            CUPS_FORMAT_PDF, 0, nullptr, 1) == HTTP_STATUS_CONTINUE &&
                      cupsWriteRequestData(CUPS_HTTP_DEFAULT, pdf.constData(), static_cast<std::size_t>(pdf.size())) ==
                          HTTP_STATUS_CONTINUE;
    if (!sent || !succeeded(cupsFinishDestDocument(CUPS_HTTP_DEFAULT, destination.get(), info.get()))) {
        PrintJobOutcome outcome = refused(QStringLiteral("the print queue %1 did not take the document").arg(queue));
        cupsCancelDestJob(CUPS_HTTP_DEFAULT, destination.get(), jobId);
        return outcome;
    }
    return {jobId, {}};
}

} // namespace korveld
