#pragma once

class QComboBox;
class QFormLayout;
class QLineEdit;
class QPushButton;

namespace orvik {

// The model list, the three identity fields with the stored texts' lengths and the "Edit RETSPL" button that
// every earphone page shows.
QFormLayout* earphoneIdentityForm(QComboBox* models, QLineEdit* manufacturer, QLineEdit* leftSerial,
                                  QLineEdit* rightSerial, QPushButton* editRetspl);

} // namespace orvik
