#include "meter/MeterSession.h"

#include "meter/MeterLog.h"
#include "meter/MeterProtocol.h"

namespace orvik {

namespace {
constexpr int FirmwareReadAttempts = 10;
constexpr double RequiredFirmware = 2.0;
constexpr double RequiredFirmwareSecondRead = 1.188;
constexpr char FirmwareByte = char(0xFF);

struct RecoveryWording {
    const char* failed;
    const char* notReopened;
};

RecoveryWording wordingOf(MeterSession::RecoveryTexts texts) {
    if (texts == MeterSession::RecoveryTexts::MeterMode)
        return {"An Error occurred in the port connection to the K37.\nPlease verify that all connections are "
                "correct and the K37 is turned on\nPress OK to continue or cancel to quit.",
                "An Error occurred in the port connection to the K37\n and it could not be reopened. \nPlease verify "
                "that all connections are correct and the K37 is turned on\n Press OK to continue or cancel to quit."};
    return {"Communication with the K37 failed.\nPlease verify that all connections are correct and the K37 is turned "
            "on,then press OK.",
            "An Error occurred in the port connection to the K37\n and it could not be reopened. \nPlease verify that "
            "all connections are correct and the K37 is turned on, then press OK."};
}
} // namespace

MeterSession::MeterSession(SerialDeviceFactory& factory, MessageBox& messages, Clock& clock)
    : m_factory(factory), m_messages(messages), m_clock(clock) {}

MeterSession::~MeterSession() {
    deleteObjects();
}

void MeterSession::createObjects() {
    m_port = std::make_unique<ComPort>(1, m_factory, m_clock);
    m_commander = std::make_unique<SlmCommander>(*m_port, m_messages);
    ++m_objectsCreated;
}

void MeterSession::deleteObjects() {
    // The command layer refers to the port, so it goes first.
    m_commander.reset();
    m_port.reset();
}

int MeterSession::connectMeter(int portNumber, int baudRate) {
    if (!m_port)
        createObjects();
    if (m_port->isOpen())
        return 0;

    // A port number the preferences cannot name is refused here rather than quietly opening COM1.
    int result = m_port->setPort(portNumber);
    if (result >= 0) {
        m_port->setBaud(baudRate);
        result = m_port->open();
    }
    if (result >= 0) {
        m_commander->setMeterBaud(baudRate);
        result = m_commander->ping();
    }
    if (result < 0) {
        tell(QString::asprintf("Unable to communicate with K37 (error %d) using port# %d\nVerify that the port "
                               "setting is correct (Test/Preferences/RS232 Port)\n and that the K37 is connected",
                               result, portNumber));
        m_port->close();
        return result;
    }
    m_port->writeByte(FirmwareByte);
    const int identified = identify();
    if (identified < 0) {
        m_port->close();
        deleteObjects();
        return identified;
    }
    return result;
}

int MeterSession::readFirmware(int attempts, double& version) {
    QByteArray reply;
    for (int i = 0; i < attempts; ++i) {
        if (m_commander->sendCommand("R90", &reply, 50, 1) >= 0 && !reply.isEmpty()) {
            version = meter::replyNumber(reply);
            return 0;
        }
    }
    return Status::FirmwareRefused;
}

int MeterSession::identify() {
    m_identification.clear();
    double version = 0.0;
    if (readFirmware(FirmwareReadAttempts, version) < 0) {
        // "retreive" is the message as technicians know it; kept verbatim.
        tell(QStringLiteral("Unable to retreive the Firmware Version."));
        return Status::FirmwareRefused;
    }
    if (version < RequiredFirmware) {
        tell(QString::asprintf("Firmware v%.3f in SLM. v2.0 required.", version));
        return Status::FirmwareRefused;
    }
    QByteArray identification;
    m_commander->sendCommand("R1", &identification, 50, 1);
    if (!identification.contains("K37")) {
        tell(QStringLiteral("SLM not Veltan-Quirn Model K37."));
        return Status::NotK37;
    }
    // The version is read a second time; a reply lost here must not pass for a good one.
    double confirmed = 0.0;
    readFirmware(1, confirmed);
    if (confirmed < RequiredFirmwareSecondRead) {
        tell(QString::asprintf("Firmware v%.3f in SLM. v1.188 required.", confirmed));
        return Status::FirmwareRefused;
    }
    m_identification = identification;
    m_firmware = version;
    return 0;
}

void MeterSession::disconnect() {
    if (m_port)
        m_port->close();
}

void MeterSession::turnOff() {
    if (!isOpen())
        return;
    m_commander->stop();
    m_commander->sendCommand("M2");
    m_port->close();
}

bool MeterSession::recoverLink(RecoveryTexts texts, bool askFirst) {
    if (!m_port)
        return false;
    const RecoveryWording wording = wordingOf(texts);
    if (askFirst && m_messages.show(QString::fromLatin1(wording.failed), MessageButtons::OkCancel) != MessageAnswer::Ok)
        return false;
    if (m_port->lastResult() >= 0)
        return true;
    qCDebug(lcMeterLink) << "reopening the port after" << Status::name(m_port->lastResult());
    m_port->close();
    while (m_port->open() < 0) {
        if (m_messages.show(QString::fromLatin1(wording.notReopened), MessageButtons::OkCancel) != MessageAnswer::Ok)
            return false;
    }
    return m_commander->ping() >= 0;
}

} // namespace orvik
