#include "measure/widgets/MeasurementWindows.h"

#include "database/Document.h"
#include "measure/widgets/MeterCalibrationDialog.h"
#include "measure/widgets/TestSheetView.h"

namespace orvik {

QWidget* createDocumentTestSheet(ViewContext& context, int test, MeterSession& session, const AppServices& services,
                                 Document& document, std::function<void(TransducerKind)> transducerOnCoupler) {
    const auto save = [&document](const AudiometerRecord&) {
        return document.saveRecord() == Document::SaveResult::Saved;
    };
    const auto calibratedMicrophone = [&document] { return document.calibratedMicrophoneModel(); };
    const ConditionsQuestion conditions{.ask = {},
                                        .asked = [&document] { return document.conditionsAsked(); },
                                        .markAsked = [&document] { document.setConditionsAsked(true); }};
    return new TestSheetView(
        context,
        TestSheetSeams{session, services, save, calibratedMicrophone, std::move(transducerOnCoupler), conditions},
        test);
}

int runDocumentCalibrationCheck(MeterSession& session, const AppServices& services, Document& document,
                                QWidget* parent) {
    return runCalibrationCheck(session, services, document.record().setup, document.instruments(), parent,
                               [&document](const QString& model) { document.setCalibratedMicrophoneModel(model); });
}

} // namespace orvik
