#pragma once

#include "core/Clock.h"
#include "core/MessageBox.h"
#include "meter/ComPort.h"
#include "meter/SlmCommander.h"
#include "meter/Status.h"

#include <memory>

namespace orvik {

// The meter objects of the main window (port, command layer, data directory) and the session on them:
// connection with identification, disconnect, turn off and link recovery. The program and orvik-cli both
// connect through this class, so they refuse and report a meter the same way.
class MeterSession {
public:
    // The two wordings of the recovery questions: a failed exchange in a measurement, or a failed check of
    // the meter's mode (which lets the technician quit rather than retry).
    enum class RecoveryTexts { Measurement, MeterMode };

    MeterSession(SerialDeviceFactory& factory, MessageBox& messages, Clock& clock);
    ~MeterSession();

    // Opens, brings the meter to `baudRate`, pings and identifies it. 0 or more on success. A refused
    // identification deletes the meter objects so that the next connection starts afresh.
    int connectMeter(int portNumber, int baudRate);
    void disconnect();
    void turnOff();
    // Asks the technician, reopens the port when the port itself failed, and pings. True when usable.
    bool recoverLink(RecoveryTexts texts = RecoveryTexts::Measurement, bool askFirst = true);

    bool isOpen() const { return m_port && m_port->isOpen(); }
    ComPort* port() { return m_port.get(); }
    SlmCommander* commander() { return m_commander.get(); }
    int objectsCreated() const { return m_objectsCreated; }

    // What the meter said about itself at the last successful connection.
    const QByteArray& identification() const { return m_identification; }
    double firmware() const { return m_firmware; }

private:
    void createObjects();
    void deleteObjects();
    int identify();
    int readFirmware(int attempts, double& version);
    void tell(const QString& text) { m_messages.show(text, MessageButtons::Ok); }

    SerialDeviceFactory& m_factory;
    MessageBox& m_messages;
    Clock& m_clock;
    std::unique_ptr<ComPort> m_port;
    std::unique_ptr<SlmCommander> m_commander;
    int m_objectsCreated = 0;
    QByteArray m_identification;
    double m_firmware = 0.0;
};

} // namespace orvik
