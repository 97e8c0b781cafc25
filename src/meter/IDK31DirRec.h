#pragma once

#include <QByteArray>
#include <memory>
#include <vector>

namespace orvik {

class ComPort;

// One entry of the meter's stored-data directory.
struct IDK31DirRec {
    int number = 0;
    QByteArray name;
    qint32 size = 0;
};

// The meter's data directory, created with the port of a connection and owning its entries. The program
// keeps it with the session; no directory is read from the meter yet.
class IDK31DirList {
public:
    explicit IDK31DirList(ComPort& port) : m_port(port) {}

    ComPort& port() { return m_port; }
    const std::vector<IDK31DirRec>& records() const { return m_records; }

private:
    ComPort& m_port;
    std::vector<IDK31DirRec> m_records;
};

} // namespace orvik
