#pragma once

#include "core/Clock.h"
#include "meter/SerialDevice.h"
#include "meter/Status.h"
#include "sim/MeterWire.h"

namespace orvik::sim {

// A serial port with the simulated meter at the other end. Bytes become readable when the clock reaches
// their arrival time, so on a virtual clock a whole session runs without real waiting. A device made without
// a wire stands for a port that does not exist.
class SimulatedSerialDevice final : public SerialDevice {
public:
    SimulatedSerialDevice(MeterWire* wire, Clock& clock);
    ~SimulatedSerialDevice() override;

    int open(int rxQueueSize, int txQueueSize) override;
    void close() override;
    bool isOpen() const override { return m_open; }

    int setParity(char parity) override;
    int setStopBits(int stopBits) override;
    int setDataLength(int dataBits) override;
    int setBaudRate(int baud) override;
    void setDtr(bool on) override { m_dtr = on; }
    void setRts(bool on) override { m_rts = on; }
    void setHandshake(bool on) override { m_handshake = on; }

    int write(const QByteArray& bytes) override;
    int read(char* buffer, int maximum) override;
    int rxCount() override;
    int txCount() override;
    void rxFlush() override;
    void txFlush() override {}
    void sendBreak(int milliseconds) override;

    int baudRate() const { return m_baud; }

    // Code of a write or read on a port that is not open.

private:
    MeterWire* m_wire;
    Clock& m_clock;
    bool m_open = false;
    int m_connection = 0;
    int m_baud = 9600;
    char m_parity = 'N';
    int m_stopBits = 1;
    int m_dataBits = 8;
    bool m_dtr = true;
    bool m_rts = true;
    bool m_handshake = false;
};

} // namespace orvik::sim
