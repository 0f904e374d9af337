#include "worksheets/program_messages.h"

#include "engine/capacity_checks.h"
#include "engine/charge_advice.h"
#include "engine/choice_rules.h"
#include "engine/selection.h"
#include "engine/selection_checks.h"
#include "engine/units.h"
#include "worksheets/application.h"
#include "worksheets/frm_txv_capacity.h"
#include "worksheets/platform.h"
#include "worksheets/report_printing.h"

#include <algorithm>

namespace korveld {

const std::vector<MessagePattern>& ProgramMessages() {
    static const std::vector<MessagePattern> messages = [] {
        std::vector<MessagePattern> all;
        for (std::vector<MessagePattern> part :
             {SharedEntryMessages(), CapacityCheckMessages(), SelectionCheckMessages(), SelectionOutcomeMessages(),
              PickRefusalMessages(), UnitSwitchMessages(), PowerHeadAdviceMessages()}) {
            all.insert(all.end(), part.begin(), part.end());
        }
        all.push_back({kApplicationTitle, {std::string(kPrinterErrorText)}, kMsgOkOnly});
        return all;
    }();
    return messages;
}

bool IsProgramMessage(std::string_view title, std::string_view prompt, std::int16_t style) {
    const std::vector<MessagePattern>& messages = ProgramMessages();
    return std::any_of(messages.begin(), messages.end(),
                       [&](const MessagePattern& pattern) { return pattern.matches(title, prompt, style); });
}

} // namespace korveld
