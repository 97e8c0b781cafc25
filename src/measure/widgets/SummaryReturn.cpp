#include "SummaryReturn.h"

#include "ViewContext.h"
#include "app/ViewSwitcher.h"

namespace orvik {

void showMeasurementSummary(ViewContext& context) {
    context.views.switchView(ViewId::Summary);
}

} // namespace orvik
