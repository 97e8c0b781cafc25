#include "MeasurementWindows.h"

#include "CAudTestView.h"
#include "CCalCheckWindow.h"
#include "database/CVodudazuzuvOriDoc.h"

namespace orvik {

QWidget* createDocumentTestSheet(ViewContext& context, int test, MeterSession& session, const AppServices& services,
                                 CVodudazuzuvOriDoc& document,
                                 std::function<void(TransducerKind)> transducerOnCoupler) {
    const auto save = [&document](const AudiometerRecord&) {
        return document.saveRecord() == CVodudazuzuvOriDoc::SaveResult::Saved;
    };
    const auto calibratedMicrophone = [&document] { return document.calibratedMicrophoneModel(); };
    return new CAudTestView(
        context, TestSheetSeams{session, services, save, calibratedMicrophone, std::move(transducerOnCoupler)}, test);
}

int runDocumentCalibrationCheck(MeterSession& session, const AppServices& services, CVodudazuzuvOriDoc& document,
                                QWidget* parent) {
    return runCalibrationCheck(session, services, document.instruments(), parent,
                               [&document](const QString& model) { document.setCalibratedMicrophoneModel(model); });
}

} // namespace orvik
