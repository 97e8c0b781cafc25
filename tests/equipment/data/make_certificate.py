#!/usr/bin/python3
"""Writes mastoid_certificate.xls: a mastoid calibration certificate laid out as a calibration laboratory
issues it (title block, identity cells, coupler line, response table, signature block), saved as a BIFF8
workbook. Needs python3-xlwt. Run from this folder; the .xls is committed so the build does not need it."""
import xlwt

FREQUENCIES = [250, 315, 400, 500, 630, 750, 800, 1000, 1250, 1500, 1600, 2000, 2500, 3000, 3150, 4000, 5000,
               6000, 6300, 8000]
LEVELS = [67.9, 66.4, 64.8, 62.7, 60.9, 59.8, 59.5, 58.3, 57.1, 56.9, 56.8, 57.4, 59.2, 61.0, 61.6, 64.3, 66.8,
          68.1, 68.5, 71.2]

book = xlwt.Workbook(encoding="utf-8")
sheet = book.add_sheet("Certificate")
bold = xlwt.easyxf("font: bold on")
sheet.write(0, 0, "Veltan Quirn Calibration Laboratory", bold)
sheet.write(1, 0, "Certificate of Calibration")
sheet.write(1, 4, "No. 2024-0417")
sheet.write(3, 0, "Artificial Mastoid")
sheet.write(4, 0, "Model")
sheet.write(4, 2, "rkb800")
sheet.write(5, 0, "Serial Number:")
sheet.write(5, 2, 2417)
sheet.write(6, 0, "Coupler:")
sheet.write(6, 2, "VQ RKC311 force coupler")
sheet.write(8, 0, "Freq (Hz)", bold)
sheet.write(8, 1, "Force level re 1 uN (dB)", bold)
sheet.write(8, 2, "Uncertainty (dB)", bold)
for row, (frequency, level) in enumerate(zip(FREQUENCIES, LEVELS), start=9):
    sheet.write(row, 0, frequency)
    sheet.write(row, 1, level)
    sheet.write(row, 2, 0.3)
sheet.write(30, 0, "Calibrated by:")
sheet.write(30, 2, "A. Lindqvist")
book.save("mastoid_certificate.xls")
