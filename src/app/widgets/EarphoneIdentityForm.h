#pragma once

class QComboBox;
class QFormLayout;
class QLineEdit;

namespace orvik {

// The model list and the three identity fields every earphone page shows, with the stored texts' lengths.
QFormLayout* earphoneIdentityForm(QComboBox* models, QLineEdit* manufacturer, QLineEdit* leftSerial,
                                  QLineEdit* rightSerial);

} // namespace orvik
