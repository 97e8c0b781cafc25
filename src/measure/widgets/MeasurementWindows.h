#pragma once

#include "core/AppServices.h"
#include "model/Transducer.h"

#include <functional>

class QWidget;

namespace orvik {

class Document;
class MeterSession;
struct ViewContext;

// The measurement windows as the main window opens them over the database document: the test sheet saves
// through the document, and the meter calibration check tells the document which microphone it was made with,
// which the sheet's runs then set the meter's transducer for.
// `transducerOnCoupler` follows the sheet's transducer (a simulated bench; may be empty).
QWidget* createDocumentTestSheet(ViewContext& context, int test, MeterSession& session, const AppServices& services,
                                 Document& document,
                                 std::function<void(TransducerKind)> transducerOnCoupler = {});
int runDocumentCalibrationCheck(MeterSession& session, const AppServices& services, Document& document,
                                QWidget* parent);

} // namespace orvik
