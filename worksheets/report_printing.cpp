#include "worksheets/report_printing.h"

#include "worksheets/application.h"
#include "worksheets/platform.h"

#include <string>

namespace korveld {

bool PrintReport(Platform& platform, const PrintDocument& document) {
    if (platform.PrintDocument(document)) {
        return true;
    }
    platform.MsgBox(std::string(kPrinterErrorText), kMsgOkOnly, std::string(kApplicationTitle));
    return false;
}

} // namespace korveld
