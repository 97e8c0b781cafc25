#pragma once

#include "core/MessageBox.h"
#include "equipment/CellStream.h"
#include "equipment/SetupFileImport.h"

namespace orvik {

// What a mastoid's calibration certificate says: its model and serial number, the coupler it was measured on
// (1 RKC310, 2 RKC311, 3 RKC420; 0 when the certificate names none) and its response by frequency.
struct CertificateData {
    QString model;
    QString serialNumber;
    int coupler = 0;
    std::vector<ResponsePoint> points;
};

struct CertificateResult {
    bool ok = false;
    QString message;
    CertificateData data;
};

struct WorkbookReader;

// Reads the first worksheet of a certificate workbook (.xls, BIFF) through the workbook reader and finds its
// data. A workbook the reader cannot read, or that makes it crash or run too long, is "Unable to load Excel
// Worksheet".
CertificateResult readCertificateWorkbook(const QString& path);
CertificateResult readCertificateWorkbook(const QString& path, const WorkbookReader& reader);
// Finds "Model" and "Serial Number:" with their values in the cells to their right, the response rows below
// "Freq (Hz)" (frequency in that column, response in the next number to its right) and the coupler name.
CertificateResult findCertificateData(const CellGrid& cells);

// The coupler name of a mastoid response set 1..3: "RKC310", "RKC311", "RKC420".
QString couplerName(int responseSet);

// Puts a certificate into the mastoid pages' response set `responseSet`, after the questions about a missing or
// different coupler and about replacing values the set already holds. False (pages unchanged) when the
// technician stops or the responses cannot be mapped (reported).
bool applyCertificate(const CertificateData& certificate, int responseSet, InstrumentEntry& pages,
                      MessageBox& messages);

} // namespace orvik
