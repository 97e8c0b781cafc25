#pragma once

#include "app/AppServices.h"

class QWidget;

namespace orvik {

class CVodudazuzuvOriDoc;
class MeterSession;
struct ViewContext;

// The measurement windows as the main window opens them over the database document: the test sheet saves
// through the document, and the meter calibration check tells the document which microphone it was made with,
// which the sheet's runs then set the meter's transducer for.
QWidget* createDocumentTestSheet(ViewContext& context, int test, MeterSession& session, const AppServices& services,
                                 CVodudazuzuvOriDoc& document);
int runDocumentCalibrationCheck(MeterSession& session, const AppServices& services, CVodudazuzuvOriDoc& document,
                                QWidget* parent);

} // namespace orvik
