// Hands a finished PDF document to a CUPS print queue as one named job, and says whether the queue
// took it.
#pragma once

#include <QByteArray>
#include <QString>

namespace korveld {

struct PrintJobOutcome {
    int jobId = 0;   // the queue's number for the job; 0 when the queue did not accept it
    QString failure; // why not, in the spooler's words; empty when accepted

    bool accepted() const { return jobId > 0; }
};

// `queue` is a CUPS destination name, with "/instance" where it names an instance.
PrintJobOutcome submitPdfJob(const QString& queue, const QString& jobName, const QByteArray& pdf);

} // namespace korveld
